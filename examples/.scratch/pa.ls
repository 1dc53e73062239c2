Bracketed plant a: a weed with three internodes per shoot and one side shoot on each side.
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), Fig. 1.24 a.
Edge rewriting: every F is replaced by F[+F]F[-F]F, branching angle 25.7 degrees.
Adapted: the plant is about 240 units tall with unit steps, so the axiom starts with a width
module !(0.9) to give every segment a radius of 1.5 instead of the default 0.1.
That module adds one to the length of every generation and changes no segment count.
axiom=!(0.9)F
gamma=25.7
steps=5
F->F[+F]F[-F]F
