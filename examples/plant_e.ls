Bracketed plant e: a symmetric plant whose apices X fork into two side shoots and a leader.
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), Fig. 1.24 e.
Node rewriting: the apex X grows into F[+X][-X]FX and every internode F doubles in
length, branching angle 25.7 degrees. X draws nothing.
Adapted: the plant is about 250 units tall with unit steps, so the axiom starts with the
width module !(1.5) to give every segment a radius of 1.5 instead of the default 0.1.
That module adds one to the length of every generation and changes no segment count.
axiom=!(1.5)X
gamma=25.7
steps=7
X->F[+X][-X]FX
F->FF
