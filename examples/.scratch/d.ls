axiom=X
gamma=20
steps=7
X->F[+X]F[-X]+X
F->FF
