Bracketed plant b: a bushy weed whose shoots end in a straight top branch.
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), Fig. 1.24 b.
Edge rewriting: every F is replaced by F[+F]F[-F][F], branching angle 20 degrees.
Adapted: the axiom starts with the width module !(0.3), so the segments are drawn with
radius 0.3 instead of the default 0.1 and the plant (about 60 units tall) stays visible.
That module adds one to the length of every generation and changes no segment count.
axiom=!(0.3)F
gamma=20
steps=5
F->F[+F]F[-F][F]
