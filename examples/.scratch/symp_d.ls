define r1=0.9
define r2=0.8
define a1=35
define a2=35
define wr=0.707
axiom=A(10,1)
steps=10
A(l,w)->!(w)F(l)[&(a1)B(l*r1,w*wr)]/(180)[&(a2)B(l*r2,w*wr)]
B(l,w)->!(w)F(l)[+(a1)$B(l*r1,w*wr)][-(a2)$B(l*r2,w*wr)]
