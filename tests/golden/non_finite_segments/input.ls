axiom=A(1)
steps=1
A(x)->F(x)F(1e39*x)F(x)
