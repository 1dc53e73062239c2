axiom=A(1)
steps=3
A(x):(x>0,x<3)->F(x*0.5)A(x+1)
