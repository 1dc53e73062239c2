A small weed, saved with Windows line ends
gamma=22.5
steps=2.9
axiom=F

F->F[+F]
That is all
