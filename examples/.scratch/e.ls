axiom=X
gamma=25.7
steps=7
X->F[+X][-X]FX
F->FF
