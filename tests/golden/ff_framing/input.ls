axiom=FF
steps=0
