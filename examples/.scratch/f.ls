axiom=X
gamma=22.5
steps=5
X->F-[[X]+X]+F[+FX]-X
F->FF
