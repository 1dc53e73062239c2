axiom=[A][B]
gamma=10
steps=20
A->[+A{.].C.}
B->[-B{.].C.}
C->GC
