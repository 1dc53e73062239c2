Tree with tropism d: three branches at every apex whose shoots bend towards the tropism
vector T as they grow, by the angle e times |H x T| before each segment (H is the heading).
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), Fig. 2.8 d,
with the book's divergence angles d1 and d2, branching angle a, elongation rate lr, width
increase rate vr, T = (-0.61,0.77,-0.19), e = 0.40 and 8 steps.
The tropism and elasticity lines belong to the grower's dialect, which lsys reads for the
marker line below; lsys2pov passes over them and grows the same tree without bending.
The book's T is written in its picture's frame with y up, as the dialect's tropism is.
Adapted: the widths are radii here, and the axiom sets the width twice, so that the trunk
runs from that width (not from the default 0.1) to its own; both grow by the width rule.
#lsys dialect=1
define d1=180
define d2=252
define a=36
define lr=1.070
define vr=1.732
tropism=-0.61,0.77,-0.19
elasticity=0.40
axiom=!(1)!(1)F(200)/(45)A
steps=8
A->!(vr)F(50)[&(a)F(50)A]/(d1)[&(a)F(50)A]/(d2)[&(a)F(50)A]
F(l)->F(l*lr)
!(w)->!(w*vr)
