axiom=F
gamma=20
steps=5
F->F[+F]F[-F][F]
