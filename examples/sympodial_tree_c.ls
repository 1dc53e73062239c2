Sympodial tree: a tree in which every apex stops and two lateral shoots carry on the
growth, so the crown forks again and again.
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), Fig. 2.7 c.
A(l,w) is the trunk, which forks into two shoots B on opposite sides; every B forks into
two further shoots, turned to the left and to the right after the turtle is levelled out.
r1 and r2 scale the segment length l of the two shoots, a1 and a2 are their branching
angles, and wr scales the width w.
Variants of the book: a 0.9 0.7 5 65; b 0.9 0.7 10 60; c 0.9 0.8 20 50 (this file);
d 0.9 0.8 35 35 (values of r1, r2, a1 and a2; edit the lines below; variant a is in
sympodial_tree.ls).
Adapted: the book starts with A(1,10), a width of 10 against a length of 1, which here
draws thick blobs; this file starts with length 10 and width 1 instead. The axiom also
begins with the width module !(1), so that the first trunk segment does not taper from
the default width 0.1; it adds one to the length of every generation and changes no
segment count.
define r1=0.9
define r2=0.8
define a1=20
define a2=50
define wr=0.707
axiom=!(1)A(10,1)
steps=10
A(l,w)->!(w)F(l)[&(a1)B(l*r1,w*wr)]/(180)[&(a2)B(l*r2,w*wr)]
B(l,w)->!(w)F(l)[+(a1)$B(l*r1,w*wr)][-(a2)$B(l*r2,w*wr)]
