axiom=A
gamma=22.5
steps=7
A->[&FL!A]/////?[&FL!A]///////?[&FL!A]
F->S/////F
S->FL
L->[???^^{-f+f+f-|-f+f+f}]
