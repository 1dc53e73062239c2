Sierpinski arrowhead: a single unbroken curve that fills the Sierpinski gasket.
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), Fig. 1.10 b,
written with node rewriting: X and Y stand for the book's left and right edges and draw
nothing, every F is a unit edge. Angle 60 degrees; the number of edges triples with each
step, and after six steps the gasket is 64 units wide.
Adapted: the axiom starts with !(0.3) (segments of radius 0.3 instead of 0.1), then G(2),
which lifts the drawing by two units so that the bottom row is not cut off by the frame,
and +(90)G(32)|, which turns the turtle sideways, moves it half the width without drawing
and turns it around, so that the gasket stands on its base, centred in the picture. These
five modules add five to the length of every generation and change no segment count.
axiom=!(0.3)G(2)+(90)G(32)|YF
gamma=60
steps=6
X->YF+XF+Y
Y->XF-YF-X
