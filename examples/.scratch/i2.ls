axiom=!(0.3)+(90)G(32)-(90)F-F-F-F
gamma=90
steps=3
F->F-F+F+FF-F-F+F
