axiom=YF
gamma=60
steps=6
X->YF+XF+Y
Y->XF-YF-X
