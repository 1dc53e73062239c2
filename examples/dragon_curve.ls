Dragon curve (Heighway dragon): a path that folds onto itself and never crosses itself.
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), Fig. 1.10 a,
written with node rewriting: X and Y mark the places where the curve grows and draw
nothing. Angle 90 degrees; the number of unit edges doubles with each step.
Adapted: the axiom starts with !(0.3) (segments of radius 0.3 instead of 0.1, for the
picture of about 30 units). The branch [|G(12)G] only moves the turtle 12 units
downwards and back without drawing, so that the camera frame leaves a margin below the
curve; -(90)G(13.5)+(90) then moves the start sideways so that the curve is centred.
These nine modules add nine to the length of every generation and change no segment count.
axiom=!(0.3)[|G(12)G]-(90)G(13.5)+(90)FX
gamma=90
steps=10
X->X+YF+
Y->-FX-Y
