axiom=!(0.3)+(30)F--F--F
gamma=60
steps=4
F->F+F--F+F
