Cordate leaf: a heart-shaped leaf made of filled polygons that grow along two edges.
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), Fig. 5.5.
The apices A and B bend to the left and to the right in steps of 10 degrees; each step
opens a polygon inside a branch and closes it after the branch, so every polygon joins the
old edge, the new edge and a point on the growing midrib C, which moves with G without
drawing. The leaf draws no segments, only 40 triangles.
Adapted: the lobes of the leaf hang below the point where it starts, and a polygon corner
does not widen the height range that the camera is framed on. So the axiom ends with three
modules (a half turn and two invisible moves with G) that only take the turtle 4 units
below the start, so that the whole leaf is in the picture. They add three to the length
of every generation and change no segment or polygon count.
axiom=[A][B]|G(4)G
gamma=10
steps=20
A->[+A{.].C.}
B->[-B{.].C.}
C->GC
