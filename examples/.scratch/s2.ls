axiom=!(0.3)+(90)G(32)|YF
gamma=60
steps=6
X->YF+XF+Y
Y->XF-YF-X
