Sierpinski arrowhead: a single unbroken curve that fills the Sierpinski gasket.
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), Fig. 1.10 b,
written with node rewriting: X and Y stand for the book's left and right edges and draw
nothing, every F is a unit edge. Angle 60 degrees; the number of edges triples with each
step, and after six steps the gasket is 64 units wide.
Adapted: the axiom starts with !(0.3) (segments of radius 0.3 instead of 0.1), then +(90)|,
which turns the turtle sideways and around, so that the gasket stands on its base. These
three modules add three to the length of every generation and change no segment count.
axiom=!(0.3)+(90)|YF
gamma=60
steps=6
X->YF+XF+Y
Y->XF-YF-X
