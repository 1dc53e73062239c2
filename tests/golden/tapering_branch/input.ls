axiom=!(0.3)F[+!(0.2)F]F
steps=0
