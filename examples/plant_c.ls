Bracketed plant c: a plant with bent, doubly forking shoots.
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), Fig. 1.24 c.
Edge rewriting: every F is replaced by FF-[-F+F+F]+[+F-F-F], branching angle 22.5 degrees.
Adapted: the axiom starts with the width module !(0.25), so the segments are drawn with
radius 0.25 instead of the default 0.1 and the plant (about 55 units tall) stays visible.
That module adds one to the length of every generation and changes no segment count.
axiom=!(0.25)F
gamma=22.5
steps=4
F->FF-[-F+F+F]+[+F-F-F]
