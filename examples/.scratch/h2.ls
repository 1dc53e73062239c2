axiom=+(90)G(4.78)-(90)&(90)G(3.5)^(90)/(30)A
gamma=90
steps=3
A->B-F+CFC+F-D&F^D-F+&&CFC+F+B//
B->A&F^CFB^F^D^^-F-D^|F^B|FC^F^A//
C->|D^|F^B-F+C^F^A&&FA&F^C+F+B^F^D//
D->|CFB-F+B|FA&F^A&&FB-F+B|FC//
