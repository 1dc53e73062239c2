Bush with leaves: a three-dimensional bush whose shoots branch in threes and carry leaves.
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), Fig. 1.25.
The apex A splits into three branches, rolled to different sides around the shoot;
every internode F grows a leaf-bearing segment S below itself, and each leaf L is a
small filled polygon outlined with f moves.
Adapted from the book's notation: the colour change is written ? instead of the book's
apostrophe; the book's ! makes the branches thinner step by step, while here a bare !
sets the width back to the default 0.1. The bush is only about 33 units tall, so the
default width shows well beside the leaves; no width module was added, and the module
counts are those of the book's rules.
axiom=A
gamma=22.5
steps=7
A->[&FL!A]/////?[&FL!A]///////?[&FL!A]
F->S/////F
S->FL
L->[???^^{-f+f+f-|-f+f+f}]
