axiom=!(0.25)FX
gamma=90
steps=12
X->X+YF+
Y->-FX-Y
