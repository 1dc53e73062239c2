axiom=]F?(3)F
