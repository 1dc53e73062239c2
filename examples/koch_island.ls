Quadratic Koch island: a closed curve whose square sides are folded into ever finer bays
and capes.
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), Fig. 1.7 a,
after B. Mandelbrot, The Fractal Geometry of Nature (1982).
Every edge F is replaced by eight edges in a zigzag of right angles; the square of the
axiom becomes an island of 2048 unit edges after three steps. Angle 90 degrees.
Adapted: the axiom starts with !(0.3) (segments of radius 0.3 instead of 0.1, for the
picture of about 106 units). This module adds one to the length of every generation and
changes no segment count.
axiom=!(0.3)F-F-F-F
gamma=90
steps=3
F->F-F+F+FF-F-F+F
