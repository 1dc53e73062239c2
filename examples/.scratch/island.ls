axiom=F-F-F-F
gamma=90
steps=3
F->F-F+F+FF-F-F+F
