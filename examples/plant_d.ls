Bracketed plant d: a plant with opposite side shoots that grow from apices X.
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), Fig. 1.24 d.
Node rewriting: the apex X grows into F[+X]F[-X]+X and every internode F doubles in
length, branching angle 20 degrees. X draws nothing.
Adapted: the plant is about 250 units tall with unit steps, so the axiom starts with the
width module !(1.5) to give every segment a radius of 1.5 instead of the default 0.1.
That module adds one to the length of every generation and changes no segment count.
axiom=!(1.5)X
gamma=20
steps=7
X->F[+X]F[-X]+X
F->FF
