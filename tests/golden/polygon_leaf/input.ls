gamma=30
steps=0
axiom=F[-{.f+(90)f+(90)f}]F
