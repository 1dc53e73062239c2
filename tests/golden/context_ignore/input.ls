ignore=+-
axiom=A+[B]C-B
steps=1
A<B->F
A>B->G
