Cordate leaf: a heart-shaped leaf made of filled polygons that grow along two edges.
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), Fig. 5.5.
The apices A and B bend to the left and to the right in steps of 10 degrees; each step
opens a polygon inside a branch and closes it after the branch, so every polygon joins the
old edge, the new edge and a point on the growing midrib C, which moves with G without
drawing. The leaf draws no segments, only 40 triangles.
The axiom is the book's: lsys render and lsys export frame the whole leaf, polygons
included.
axiom=[A][B]
gamma=10
steps=20
A->[+A{.].C.}
B->[-B{.].C.}
C->GC
