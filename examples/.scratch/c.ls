axiom=F
gamma=22.5
steps=4
F->FF-[-F+F+F]+[+F-F-F]
