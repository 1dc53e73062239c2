Weeping shrub: a plant of this project that uses stochastic branching and gravity together.
Every apex A(l,w,k) grows an internode of length l and width w and then, by lottery, one
side branch (weight 3), a whorl of two (weight 1) or none (weight 1); branching angles are
drawn from a normal distribution around 40 degrees and divergence angles uniformly. Gravity
pulls the shoots down (the tropism vector points down the picture), the more the thinner
they are: each internode sets its elasticity to 0.02/w, at most 0.5. Thin shoots carry
pairs of leaves, and every seed grows another shrub.
Written for lsys only (the marker line below switches the grower's dialect on); lsys2pov
reads no rule in it and draws nothing.
#lsys dialect=1
seed=4
tropism=0,-1,0
gamma=30
steps=12
axiom=!(0.5)!(0.5)A(4,0.5,0)
A(l,w,k):(w<0.12)=>!(w)_(min(0.5,0.02/w))F(l)[-(60)L][+(60)L]/(90)A(l*0.9,w*0.85,k+1)
A(l,w,k)=>!(w)_(min(0.5,0.02/w))F(l)[&(nran(40,8))B(l,w,k)]/(137.5+ran(40))A(l*0.92,w*0.82,k+1):3
A(l,w,k)=>!(w)_(min(0.5,0.02/w))F(l)[&(nran(40,8))B(l,w,k)]/(180)[&(nran(40,8))B(l,w,k)]/(90)A(l*0.92,w*0.82,k+1):1
A(l,w,k)=>!(w)_(min(0.5,0.02/w))F(l)/(ran(60))A(l*0.95,w*0.85,k+1):1
B(l,w,k)=>A(l*0.7,w*0.55,k+1)
L=>['(2){.-(30)f(0.7)+(30)f(0.7)+(30)f(0.7)-(30)|-(30)f(0.7)+(30)f(0.7)+(30)f(0.7)}'(1)]
