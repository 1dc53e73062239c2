Monopodial tree: a tree with a straight main trunk that keeps growing at its top and
carries lateral branches spiralling around it (Honda's model).
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), Fig. 2.6 a.
A(l,w) is the apex of the trunk, B and C are the apices of the lateral branches; l is the
segment length and w its width. The trunk shrinks by r1 per step, the lateral branches by
r2; a0 is the branching angle from the trunk, a2 the one on the laterals, d the divergence
angle (137.5 degrees, the golden angle), and wr the width ratio.
Variants of the book: a 0.9 0.6 45 45 (this file); b 0.9 0.9 45 45; c 0.9 0.8 45 45;
d 0.9 0.7 30 -30 (values of r1, r2, a0 and a2; edit the lines below).
Adapted: the book starts with A(1,10), a width of 10 against a length of 1, which here
draws thick blobs; this file starts with length 10 and width 1 instead. The axiom also
begins with the width module !(1), so that the first trunk segment does not taper from
the default width 0.1; it adds one to the length of every generation and changes no
segment count.
define r1=0.9
define r2=0.6
define a0=45
define a2=45
define d=137.5
define wr=0.707
axiom=!(1)A(10,1)
steps=18
A(l,w)->!(w)F(l)[&(a0)B(l*r2,w*wr)]/(d)A(l*r1,w*wr)
B(l,w)->!(w)F(l)[-(a2)$C(l*r2,w*wr)]C(l*r1,w*wr)
C(l,w)->!(w)F(l)[+(a2)$B(l*r2,w*wr)]B(l*r1,w*wr)
