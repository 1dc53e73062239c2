Parametric derivation: the worked example of a parametric L-system with conditions.
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), section 1.10
(parametric L-systems), the derivation shown there with the modules A, B and C.
A(x,y) doubles x and adds x to y while y is at most 3, and splits into B(x) and A(x/y,0)
once y is larger; B(x) counts down by one and turns into C when x drops below 1.
The modules A, B and C are no turtle commands, so this example draws nothing: it is meant
to be followed on the console, where every generation is printed with its values.
Expected generations 1 to 5:
B(1.000000)B(4.000000)A(1.000000,0.000000)
B(0.000000)B(3.000000)A(2.000000,1.000000)
CB(2.000000)A(4.000000,3.000000)
CB(1.000000)A(8.000000,7.000000)
CB(0.000000)B(8.000000)A(1.142857,0.000000)
Nothing was adapted.
axiom=B(2)A(4,4)
steps=5
A(x,y):(y<=3)->A(x*2,x+y)
A(x,y):(y>3)->B(x)A(x/y,0)
B(x):(x<1)->C
B(x):(x>=1)->B(x-1)
