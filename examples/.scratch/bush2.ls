axiom=!(0.35)A
gamma=22.5
steps=7
A->[&FL!(0.2)A]/////?[&FL!(0.2)A]///////?[&FL!(0.2)A]
F->S/////F
S->FL
L->[???^^{-f+f+f-|-f+f+f}]
