axiom=F
gamma=25.7
steps=5
F->F[+F]F[-F]F
