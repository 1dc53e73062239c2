Stochastic weed: every F is rewritten by one of three successors, each with probability
1/3, so that every seed grows another specimen of one species.
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), Fig. 1.27.
This file serves both programs. lsys reads the grower's dialect (the marker line, the seed
and the three weighted rules, written with the dialect's arrow) and grows the weed; lsys2pov
passes over those lines and grows the plain rule, the deterministic plant of Fig. 1.24 a.
Another specimen: lsys render stochastic_weed.ls --seed 2 (the gallery shows seeds 1 to 3).
Adapted: the angle and the number of steps are those of Fig. 1.24 a, and the axiom starts
with the width module !(0.5), thinner than plant_a.ls, whose weed is bushier.
#lsys dialect=1
seed=1
axiom=!(0.5)F
gamma=25.7
steps=5
F->F[+F]F[-F]F
F=>F[+F]F[-F]F:1/3
F=>F[+F]F:1/3
F=>F[-F]F:1/3
