Three-dimensional Hilbert curve: a path through all 512 points of an 8 by 8 by 8 grid,
each visited once, with unit edges along the three axes.
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), section 1.5
(modelling in three dimensions), the figure of the three-dimensional Hilbert curve.
The four apices A, B, C and D draw nothing; they turn, pitch and roll the turtle by 90
degrees (the turning symbols, the pitch symbols, the roll symbols and the half turn |)
between the unit edges F. After three steps the curve has 511 edges.
Adapted: the axiom first moves the turtle without drawing, 4.78 units sideways and 3.5
units away from the camera (+(90)G(4.78)-(90)&(90)G(3.5)^(90)), and then rolls it by 30
degrees about the vertical (/(30)), so that the cube is centred, seen at an angle and
lies wholly behind the plane the camera is framed on. These seven modules add seven to
the length of every generation and change no segment count. The default radius of 0.1
suits the cube of 7 units, so no width module was added.
axiom=+(90)G(4.78)-(90)&(90)G(3.5)^(90)/(30)A
gamma=90
steps=3
A->B-F+CFC+F-D&F^D-F+&&CFC+F+B//
B->A&F^CFB^F^D^^-F-D^|F^B|FC^F^A//
C->|D^|F^B-F+C^F^A&&FA&F^C+F+B^F^D//
D->|CFB-F+B|FA&F^A&&FB-F+B|FC//
