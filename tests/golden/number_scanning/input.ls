steps= 1
axiom=F(.5)G(2.5)
