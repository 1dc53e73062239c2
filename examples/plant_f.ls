Bracketed plant f: a leaning plant with nested side shoots, the classic fractal plant.
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), Fig. 1.24 f.
Node rewriting: the apex X grows into F-[[X]+X]+F[+FX]-X and every internode F doubles
in length, branching angle 22.5 degrees. X draws nothing.
Adapted: the axiom starts with the width module !(0.5), so the segments are drawn with
radius 0.5 instead of the default 0.1 and the plant (about 80 units tall) stays visible.
That module adds one to the length of every generation and changes no segment count.
axiom=!(0.5)X
gamma=22.5
steps=5
X->F-[[X]+X]+F[+FX]-X
F->FF
