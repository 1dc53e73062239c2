Tree with tropism c: three branches at every apex whose shoots bend towards the tropism
vector T as they grow, by the angle e times |H x T| before each segment (H is the heading).
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), Fig. 2.8 c,
with the book's divergence angles d1 and d2, branching angle a, elongation rate lr, width
increase rate vr, T = (-0.02,-1,0), e = 0.27 and 8 steps.
The tropism and elasticity lines belong to the grower's dialect, which lsys reads for the
marker line below; lsys2pov passes over them and grows the same tree without bending.
The book's T is written in its picture's frame with y up, as the dialect's tropism is.
Adapted: the widths are radii here, and the axiom sets the width twice, so that the trunk
runs from that width (not from the default 0.1) to its own; both grow by the width rule.
The width starts at 6, not 1: this tree grows very long (lr = 1.79), and a trunk of width 1
is too thin to be seen in a small picture.
#lsys dialect=1
define d1=112.5
define d2=157.5
define a=22.5
define lr=1.790
define vr=1.732
tropism=-0.02,-1,0
elasticity=0.27
axiom=!(6)!(6)F(200)/(45)A
steps=8
A->!(vr)F(50)[&(a)F(50)A]/(d1)[&(a)F(50)A]/(d2)[&(a)F(50)A]
F(l)->F(l*lr)
!(w)->!(w*vr)
