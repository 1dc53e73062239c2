consider=AB
axiom=A+BB
steps=1
A<B->F
