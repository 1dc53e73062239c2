Koch snowflake: the closed curve of three Koch curves on the sides of a triangle.
Source: The Algorithmic Beauty of Plants (Prusinkiewicz and Lindenmayer, 1990), Fig. 1.1,
the snowflake curve of H. von Koch (1905), written for the turtle as in section 1.3.
In the classic construction every edge is replaced by four edges a third as long; here
the edges F keep the length 1, so the snowflake grows threefold with each step.
Angle 60 degrees.
Adapted: the axiom starts with !(0.3) (segments of radius 0.3 instead of 0.1, for the
picture of about 95 units), then +(30), which tilts the first side so that the snowflake
stands upright. These two modules add two to the length of every generation and change
no segment count.
axiom=!(0.3)+(30)F--F--F
gamma=60
steps=4
F->F+F--F+F
