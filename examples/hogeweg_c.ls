Context-sensitive plant c of Hogeweg and Hesper: a branching structure that grows from
signals passed along its axes. The digits 0 and 1 are the cell states and draw nothing.
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), Fig. 1.31 c,
after P. Hogeweg and B. Hesper (1974).
Every digit rule looks at the nearest digit on both sides: the ignore line below makes the
context search skip the turning symbols and the F segments. The rules for the two turning
symbols swap them, so every branch flips its side in each step.
Adapted: the axiom starts with the width module !(0.12), so the segments are drawn with
radius 0.12 instead of the default 0.1 and the plant (about 20 units tall) stays visible.
That module draws nothing and is never a context, so it changes no derivation; it adds one
to the length of every generation and changes no segment count.
This program finds contexts across branches in its own way (the nearest bracket ends or
skips a branch, and brackets are not counted), so from about the seventh step on the
strings, and so the picture, differ from the book's.
axiom=!(0.12)F1F1F1
gamma=25.75
steps=26
ignore=+-F
0<0>0->0
0<0>1->1
0<1>0->0
0<1>1->1[+F1F1]
1<0>0->0
1<0>1->1F1
1<1>0->0
1<1>1->0
+->-
-->+
