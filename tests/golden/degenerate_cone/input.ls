axiom=FF(0)F
steps=0
