define r1=0.9
define r2=0.7
define a0=30
define a2=-30
define d=137.5
define wr=0.707
axiom=A(10,1)
steps=10
A(l,w)->!(w)F(l)[&(a0)B(l*r2,w*wr)]/(d)A(l*r1,w*wr)
B(l,w)->!(w)F(l)[-(a2)$C(l*r2,w*wr)]C(l*r1,w*wr)
C(l,w)->!(w)F(l)[+(a2)$B(l*r2,w*wr)]B(l*r1,w*wr)
