axiom=A
steps=2
A->
