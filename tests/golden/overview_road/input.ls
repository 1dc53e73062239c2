axiom=F
gamma=30
steps=1
F->F[+F]F
