ABOP Fig. 1.24 a at 9 steps: 4.9 million modules, about 450 MB of report and scene.
axiom=F
gamma=25.7
steps=9
F->F[+F]F[-F]F
