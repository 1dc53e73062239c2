#include "colors.inc"
light_source { <16.799999, 16.799999, 16.799999> color White}

cone {
<4.780000,-0.000000,-3.500000>,0.100000
<3.913975,-0.000000,-3.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.913975,-0.000000,-3.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.913975,-0.000000,-3.000000>,0.100000
<3.913975,1.000000,-3.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.913975,1.000000,-3.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.913975,1.000000,-3.000000>,0.100000
<4.780000,1.000000,-3.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.780000,1.000000,-3.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.780000,1.000000,-3.500000>,0.100000
<4.280000,1.000000,-4.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.280000,1.000000,-4.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.280000,1.000000,-4.366025>,0.100000
<3.413975,1.000000,-3.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.413975,1.000000,-3.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.413975,1.000000,-3.866025>,0.100000
<3.413975,-0.000000,-3.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.413975,-0.000000,-3.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.413975,-0.000000,-3.866025>,0.100000
<4.280000,-0.000000,-4.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.280000,-0.000000,-4.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.280000,-0.000000,-4.366025>,0.100000
<3.780000,-0.000000,-5.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.780000,-0.000000,-5.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.780000,-0.000000,-5.232051>,0.100000
<3.280000,-0.000000,-6.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.280000,-0.000000,-6.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.280000,-0.000000,-6.098076>,0.100000
<2.413975,-0.000000,-5.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.413975,-0.000000,-5.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.413975,-0.000000,-5.598076>,0.100000
<2.913975,-0.000000,-4.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.913975,-0.000000,-4.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.913975,-0.000000,-4.732051>,0.100000
<2.913975,1.000000,-4.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.913975,1.000000,-4.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.913975,1.000000,-4.732051>,0.100000
<2.413975,1.000000,-5.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.413975,1.000000,-5.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.413975,1.000000,-5.598076>,0.100000
<3.280000,1.000000,-6.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.280000,1.000000,-6.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.280000,1.000000,-6.098076>,0.100000
<3.780000,1.000000,-5.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.780000,1.000000,-5.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.780000,1.000000,-5.232051>,0.100000
<3.780000,2.000000,-5.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.780000,2.000000,-5.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.780000,2.000000,-5.232051>,0.100000
<3.280000,2.000000,-6.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.280000,2.000000,-6.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.280000,2.000000,-6.098076>,0.100000
<3.280000,3.000000,-6.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.280000,3.000000,-6.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.280000,3.000000,-6.098076>,0.100000
<3.780000,3.000000,-5.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.780000,3.000000,-5.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.780000,3.000000,-5.232051>,0.100000
<2.913975,3.000000,-4.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.913975,3.000000,-4.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.913975,3.000000,-4.732051>,0.100000
<2.413975,3.000000,-5.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.413975,3.000000,-5.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.413975,3.000000,-5.598076>,0.100000
<2.413975,2.000000,-5.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.413975,2.000000,-5.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.413975,2.000000,-5.598076>,0.100000
<2.913975,2.000000,-4.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.913975,2.000000,-4.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.913975,2.000000,-4.732051>,0.100000
<3.413975,2.000000,-3.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.413975,2.000000,-3.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.413975,2.000000,-3.866025>,0.100000
<3.413975,3.000000,-3.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.413975,3.000000,-3.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.413975,3.000000,-3.866025>,0.100000
<4.280000,3.000000,-4.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.280000,3.000000,-4.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.280000,3.000000,-4.366025>,0.100000
<4.280000,2.000000,-4.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.280000,2.000000,-4.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.280000,2.000000,-4.366025>,0.100000
<4.780000,2.000000,-3.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.780000,2.000000,-3.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.780000,2.000000,-3.500000>,0.100000
<4.780000,3.000000,-3.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.780000,3.000000,-3.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.780000,3.000000,-3.500000>,0.100000
<3.913975,3.000000,-3.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.913975,3.000000,-3.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.913975,3.000000,-3.000000>,0.100000
<3.913975,2.000000,-3.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.913975,2.000000,-3.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.913975,2.000000,-3.000000>,0.100000
<3.047949,2.000000,-2.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.047949,2.000000,-2.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.047949,2.000000,-2.500000>,0.100000
<3.047949,3.000000,-2.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.047949,3.000000,-2.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.047949,3.000000,-2.500000>,0.100000
<2.181924,3.000000,-2.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.181924,3.000000,-2.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.181924,3.000000,-2.000000>,0.100000
<2.181924,2.000000,-2.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.181924,2.000000,-2.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.181924,2.000000,-2.000000>,0.100000
<1.681924,2.000000,-2.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.681924,2.000000,-2.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.681924,2.000000,-2.866025>,0.100000
<1.681924,3.000000,-2.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.681924,3.000000,-2.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.681924,3.000000,-2.866025>,0.100000
<2.547949,3.000000,-3.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.547949,3.000000,-3.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.547949,3.000000,-3.366025>,0.100000
<2.547949,2.000000,-3.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.547949,2.000000,-3.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.547949,2.000000,-3.366025>,0.100000
<2.047949,2.000000,-4.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.047949,2.000000,-4.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.047949,2.000000,-4.232051>,0.100000
<1.547949,2.000000,-5.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.547949,2.000000,-5.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.547949,2.000000,-5.098076>,0.100000
<1.547949,3.000000,-5.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.547949,3.000000,-5.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.547949,3.000000,-5.098076>,0.100000
<2.047949,3.000000,-4.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.047949,3.000000,-4.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.047949,3.000000,-4.232051>,0.100000
<1.181924,3.000000,-3.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.181924,3.000000,-3.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.181924,3.000000,-3.732051>,0.100000
<0.681924,3.000000,-4.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.681924,3.000000,-4.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.681924,3.000000,-4.598076>,0.100000
<0.681924,2.000000,-4.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.681924,2.000000,-4.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.681924,2.000000,-4.598076>,0.100000
<1.181924,2.000000,-3.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.181924,2.000000,-3.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.181924,2.000000,-3.732051>,0.100000
<1.181924,1.000000,-3.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.181924,1.000000,-3.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.181924,1.000000,-3.732051>,0.100000
<0.681924,1.000000,-4.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.681924,1.000000,-4.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.681924,1.000000,-4.598076>,0.100000
<1.547949,1.000000,-5.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.547949,1.000000,-5.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.547949,1.000000,-5.098076>,0.100000
<2.047949,1.000000,-4.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.047949,1.000000,-4.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.047949,1.000000,-4.232051>,0.100000
<2.047949,-0.000000,-4.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.047949,-0.000000,-4.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.047949,-0.000000,-4.232051>,0.100000
<1.547949,-0.000000,-5.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.547949,-0.000000,-5.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.547949,-0.000000,-5.098076>,0.100000
<0.681924,-0.000000,-4.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.681924,-0.000000,-4.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.681924,-0.000000,-4.598076>,0.100000
<1.181924,-0.000000,-3.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.181924,-0.000000,-3.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.181924,-0.000000,-3.732051>,0.100000
<1.681924,-0.000000,-2.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.681924,-0.000000,-2.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.681924,-0.000000,-2.866025>,0.100000
<2.547949,-0.000000,-3.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.547949,-0.000000,-3.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.547949,-0.000000,-3.366025>,0.100000
<2.547949,1.000000,-3.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.547949,1.000000,-3.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.547949,1.000000,-3.366025>,0.100000
<1.681924,1.000000,-2.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.681924,1.000000,-2.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.681924,1.000000,-2.866025>,0.100000
<2.181924,1.000000,-2.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.181924,1.000000,-2.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.181924,1.000000,-2.000000>,0.100000
<3.047949,1.000000,-2.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.047949,1.000000,-2.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.047949,1.000000,-2.500000>,0.100000
<3.047949,-0.000000,-2.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.047949,-0.000000,-2.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.047949,-0.000000,-2.500000>,0.100000
<2.181924,-0.000000,-2.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.181924,-0.000000,-2.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.181924,-0.000000,-2.000000>,0.100000
<1.315899,-0.000000,-1.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.315899,-0.000000,-1.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.315899,-0.000000,-1.500000>,0.100000
<1.315899,1.000000,-1.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.315899,1.000000,-1.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.315899,1.000000,-1.500000>,0.100000
<0.449873,1.000000,-1.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.449873,1.000000,-1.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.449873,1.000000,-1.000000>,0.100000
<0.449873,-0.000000,-1.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.449873,-0.000000,-1.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.449873,-0.000000,-1.000000>,0.100000
<-0.050127,-0.000000,-1.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.050127,-0.000000,-1.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.050127,-0.000000,-1.866025>,0.100000
<-0.050127,1.000000,-1.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.050127,1.000000,-1.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.050127,1.000000,-1.866025>,0.100000
<0.815899,1.000000,-2.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.815899,1.000000,-2.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.815899,1.000000,-2.366025>,0.100000
<0.815899,-0.000000,-2.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.815899,-0.000000,-2.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.815899,-0.000000,-2.366025>,0.100000
<0.315899,-0.000000,-3.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.315899,-0.000000,-3.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.315899,-0.000000,-3.232051>,0.100000
<-0.184101,-0.000000,-4.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.184101,-0.000000,-4.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.184101,-0.000000,-4.098076>,0.100000
<-0.184101,1.000000,-4.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.184101,1.000000,-4.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.184101,1.000000,-4.098076>,0.100000
<0.315899,1.000000,-3.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.315899,1.000000,-3.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.315899,1.000000,-3.232051>,0.100000
<-0.550127,1.000000,-2.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.550127,1.000000,-2.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.550127,1.000000,-2.732051>,0.100000
<-1.050127,1.000000,-3.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.050127,1.000000,-3.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.050127,1.000000,-3.598076>,0.100000
<-1.050127,-0.000000,-3.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.050127,-0.000000,-3.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.050127,-0.000000,-3.598076>,0.100000
<-0.550127,-0.000000,-2.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.550127,-0.000000,-2.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.550127,-0.000000,-2.732051>,0.100000
<-1.416152,-0.000000,-2.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.416152,-0.000000,-2.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.416152,-0.000000,-2.232051>,0.100000
<-1.916152,-0.000000,-3.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.916152,-0.000000,-3.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.916152,-0.000000,-3.098076>,0.100000
<-2.782178,-0.000000,-2.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.782178,-0.000000,-2.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.782178,-0.000000,-2.598076>,0.100000
<-2.282178,-0.000000,-1.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.282178,-0.000000,-1.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.282178,-0.000000,-1.732051>,0.100000
<-2.282178,1.000000,-1.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.282178,1.000000,-1.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.282178,1.000000,-1.732051>,0.100000
<-2.782178,1.000000,-2.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.782178,1.000000,-2.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.782178,1.000000,-2.598076>,0.100000
<-1.916152,1.000000,-3.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.916152,1.000000,-3.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.916152,1.000000,-3.098076>,0.100000
<-1.416152,1.000000,-2.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.416152,1.000000,-2.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.416152,1.000000,-2.232051>,0.100000
<-0.916152,1.000000,-1.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.916152,1.000000,-1.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.916152,1.000000,-1.366025>,0.100000
<-1.782178,1.000000,-0.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.782178,1.000000,-0.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.782178,1.000000,-0.866025>,0.100000
<-1.782178,-0.000000,-0.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.782178,-0.000000,-0.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.782178,-0.000000,-0.866025>,0.100000
<-0.916152,-0.000000,-1.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.916152,-0.000000,-1.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.916152,-0.000000,-1.366025>,0.100000
<-0.416152,-0.000000,-0.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.416152,-0.000000,-0.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.416152,-0.000000,-0.500000>,0.100000
<-1.282178,-0.000000,0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.282178,-0.000000,0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.282178,-0.000000,0.000000>,0.100000
<-1.282178,1.000000,0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.282178,1.000000,0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.282178,1.000000,0.000000>,0.100000
<-0.416152,1.000000,-0.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.416152,1.000000,-0.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.416152,1.000000,-0.500000>,0.100000
<-0.416152,2.000000,-0.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.416152,2.000000,-0.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.416152,2.000000,-0.500000>,0.100000
<-1.282178,2.000000,0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.282178,2.000000,0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.282178,2.000000,0.000000>,0.100000
<-1.282178,3.000000,0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.282178,3.000000,0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.282178,3.000000,0.000000>,0.100000
<-0.416152,3.000000,-0.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.416152,3.000000,-0.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.416152,3.000000,-0.500000>,0.100000
<-0.916152,3.000000,-1.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.916152,3.000000,-1.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.916152,3.000000,-1.366025>,0.100000
<-1.782178,3.000000,-0.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.782178,3.000000,-0.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.782178,3.000000,-0.866025>,0.100000
<-1.782178,2.000000,-0.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.782178,2.000000,-0.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.782178,2.000000,-0.866025>,0.100000
<-0.916152,2.000000,-1.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.916152,2.000000,-1.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.916152,2.000000,-1.366025>,0.100000
<-1.416152,2.000000,-2.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.416152,2.000000,-2.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.416152,2.000000,-2.232051>,0.100000
<-1.916152,2.000000,-3.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.916152,2.000000,-3.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.916152,2.000000,-3.098076>,0.100000
<-2.782178,2.000000,-2.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.782178,2.000000,-2.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.782178,2.000000,-2.598076>,0.100000
<-2.282178,2.000000,-1.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.282178,2.000000,-1.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.282178,2.000000,-1.732051>,0.100000
<-2.282178,3.000000,-1.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.282178,3.000000,-1.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.282178,3.000000,-1.732051>,0.100000
<-2.782178,3.000000,-2.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.782178,3.000000,-2.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.782178,3.000000,-2.598076>,0.100000
<-1.916152,3.000000,-3.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.916152,3.000000,-3.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.916152,3.000000,-3.098076>,0.100000
<-1.416152,3.000000,-2.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.416152,3.000000,-2.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.416152,3.000000,-2.232051>,0.100000
<-0.550127,3.000000,-2.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.550127,3.000000,-2.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.550127,3.000000,-2.732051>,0.100000
<-1.050127,3.000000,-3.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.050127,3.000000,-3.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.050127,3.000000,-3.598076>,0.100000
<-1.050127,2.000000,-3.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.050127,2.000000,-3.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.050127,2.000000,-3.598076>,0.100000
<-0.550127,2.000000,-2.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.550127,2.000000,-2.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.550127,2.000000,-2.732051>,0.100000
<0.315899,2.000000,-3.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.315899,2.000000,-3.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.315899,2.000000,-3.232051>,0.100000
<-0.184101,2.000000,-4.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.184101,2.000000,-4.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.184101,2.000000,-4.098076>,0.100000
<-0.184101,3.000000,-4.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.184101,3.000000,-4.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.184101,3.000000,-4.098076>,0.100000
<0.315899,3.000000,-3.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.315899,3.000000,-3.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.315899,3.000000,-3.232051>,0.100000
<0.815899,3.000000,-2.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.815899,3.000000,-2.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.815899,3.000000,-2.366025>,0.100000
<0.815899,2.000000,-2.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.815899,2.000000,-2.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.815899,2.000000,-2.366025>,0.100000
<-0.050127,2.000000,-1.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.050127,2.000000,-1.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.050127,2.000000,-1.866025>,0.100000
<-0.050127,3.000000,-1.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.050127,3.000000,-1.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.050127,3.000000,-1.866025>,0.100000
<0.449873,3.000000,-1.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.449873,3.000000,-1.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.449873,3.000000,-1.000000>,0.100000
<0.449873,2.000000,-1.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.449873,2.000000,-1.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.449873,2.000000,-1.000000>,0.100000
<1.315899,2.000000,-1.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.315899,2.000000,-1.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.315899,2.000000,-1.500000>,0.100000
<1.315899,3.000000,-1.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.315899,3.000000,-1.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.315899,3.000000,-1.500000>,0.100000
<1.315899,4.000000,-1.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.315899,4.000000,-1.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.315899,4.000000,-1.500000>,0.100000
<1.315899,5.000000,-1.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.315899,5.000000,-1.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.315899,5.000000,-1.500000>,0.100000
<0.449873,5.000000,-1.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.449873,5.000000,-1.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.449873,5.000000,-1.000000>,0.100000
<0.449873,4.000000,-1.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.449873,4.000000,-1.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.449873,4.000000,-1.000000>,0.100000
<-0.050127,4.000000,-1.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.050127,4.000000,-1.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.050127,4.000000,-1.866025>,0.100000
<-0.050127,5.000000,-1.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.050127,5.000000,-1.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.050127,5.000000,-1.866025>,0.100000
<0.815899,5.000000,-2.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.815899,5.000000,-2.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.815899,5.000000,-2.366025>,0.100000
<0.815899,4.000000,-2.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.815899,4.000000,-2.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.815899,4.000000,-2.366025>,0.100000
<0.315899,4.000000,-3.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.315899,4.000000,-3.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.315899,4.000000,-3.232051>,0.100000
<-0.184101,4.000000,-4.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.184101,4.000000,-4.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.184101,4.000000,-4.098076>,0.100000
<-0.184101,5.000000,-4.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.184101,5.000000,-4.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.184101,5.000000,-4.098076>,0.100000
<0.315899,5.000000,-3.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.315899,5.000000,-3.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.315899,5.000000,-3.232051>,0.100000
<-0.550127,5.000000,-2.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.550127,5.000000,-2.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.550127,5.000000,-2.732051>,0.100000
<-1.050127,5.000000,-3.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.050127,5.000000,-3.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.050127,5.000000,-3.598076>,0.100000
<-1.050127,4.000000,-3.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.050127,4.000000,-3.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.050127,4.000000,-3.598076>,0.100000
<-0.550127,4.000000,-2.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.550127,4.000000,-2.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.550127,4.000000,-2.732051>,0.100000
<-1.416152,4.000000,-2.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.416152,4.000000,-2.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.416152,4.000000,-2.232051>,0.100000
<-1.916152,4.000000,-3.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.916152,4.000000,-3.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.916152,4.000000,-3.098076>,0.100000
<-2.782178,4.000000,-2.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.782178,4.000000,-2.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.782178,4.000000,-2.598076>,0.100000
<-2.282178,4.000000,-1.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.282178,4.000000,-1.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.282178,4.000000,-1.732051>,0.100000
<-2.282178,5.000000,-1.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.282178,5.000000,-1.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.282178,5.000000,-1.732051>,0.100000
<-2.782178,5.000000,-2.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.782178,5.000000,-2.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.782178,5.000000,-2.598076>,0.100000
<-1.916152,5.000000,-3.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.916152,5.000000,-3.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.916152,5.000000,-3.098076>,0.100000
<-1.416152,5.000000,-2.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.416152,5.000000,-2.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.416152,5.000000,-2.232051>,0.100000
<-0.916152,5.000000,-1.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.916152,5.000000,-1.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.916152,5.000000,-1.366025>,0.100000
<-1.782178,5.000000,-0.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.782178,5.000000,-0.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.782178,5.000000,-0.866025>,0.100000
<-1.782178,4.000000,-0.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.782178,4.000000,-0.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.782178,4.000000,-0.866025>,0.100000
<-0.916152,4.000000,-1.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.916152,4.000000,-1.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.916152,4.000000,-1.366025>,0.100000
<-0.416152,4.000000,-0.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.416152,4.000000,-0.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.416152,4.000000,-0.500000>,0.100000
<-1.282178,4.000000,0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.282178,4.000000,0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.282178,4.000000,0.000000>,0.100000
<-1.282178,5.000000,0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.282178,5.000000,0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.282178,5.000000,0.000000>,0.100000
<-0.416152,5.000000,-0.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.416152,5.000000,-0.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.416152,5.000000,-0.500000>,0.100000
<-0.416152,6.000000,-0.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.416152,6.000000,-0.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.416152,6.000000,-0.500000>,0.100000
<-1.282178,6.000000,0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.282178,6.000000,0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.282178,6.000000,0.000000>,0.100000
<-1.282178,7.000000,0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.282178,7.000000,0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.282178,7.000000,0.000000>,0.100000
<-0.416152,7.000000,-0.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.416152,7.000000,-0.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.416152,7.000000,-0.500000>,0.100000
<-0.916152,7.000000,-1.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.916152,7.000000,-1.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.916152,7.000000,-1.366025>,0.100000
<-1.782178,7.000000,-0.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.782178,7.000000,-0.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.782178,7.000000,-0.866025>,0.100000
<-1.782178,6.000000,-0.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.782178,6.000000,-0.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.782178,6.000000,-0.866025>,0.100000
<-0.916152,6.000000,-1.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.916152,6.000000,-1.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.916152,6.000000,-1.366025>,0.100000
<-1.416152,6.000000,-2.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.416152,6.000000,-2.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.416152,6.000000,-2.232051>,0.100000
<-1.916152,6.000000,-3.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.916152,6.000000,-3.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.916152,6.000000,-3.098076>,0.100000
<-2.782178,6.000000,-2.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.782178,6.000000,-2.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.782178,6.000000,-2.598076>,0.100000
<-2.282178,6.000000,-1.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.282178,6.000000,-1.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.282178,6.000000,-1.732051>,0.100000
<-2.282178,7.000000,-1.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.282178,7.000000,-1.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.282178,7.000000,-1.732051>,0.100000
<-2.782178,7.000000,-2.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.782178,7.000000,-2.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.782178,7.000000,-2.598076>,0.100000
<-1.916152,7.000000,-3.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.916152,7.000000,-3.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.916152,7.000000,-3.098076>,0.100000
<-1.416152,7.000000,-2.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.416152,7.000000,-2.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.416152,7.000000,-2.232051>,0.100000
<-0.550127,7.000000,-2.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.550127,7.000000,-2.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.550127,7.000000,-2.732051>,0.100000
<-1.050127,7.000000,-3.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.050127,7.000000,-3.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.050127,7.000000,-3.598076>,0.100000
<-1.050127,6.000000,-3.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.050127,6.000000,-3.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.050127,6.000000,-3.598076>,0.100000
<-0.550127,6.000000,-2.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.550127,6.000000,-2.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.550127,6.000000,-2.732051>,0.100000
<0.315899,6.000000,-3.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.315899,6.000000,-3.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.315899,6.000000,-3.232051>,0.100000
<-0.184101,6.000000,-4.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.184101,6.000000,-4.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.184101,6.000000,-4.098076>,0.100000
<-0.184101,7.000000,-4.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.184101,7.000000,-4.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.184101,7.000000,-4.098076>,0.100000
<0.315899,7.000000,-3.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.315899,7.000000,-3.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.315899,7.000000,-3.232051>,0.100000
<0.815899,7.000000,-2.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.815899,7.000000,-2.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.815899,7.000000,-2.366025>,0.100000
<0.815899,6.000000,-2.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.815899,6.000000,-2.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.815899,6.000000,-2.366025>,0.100000
<-0.050127,6.000000,-1.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.050127,6.000000,-1.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.050127,6.000000,-1.866025>,0.100000
<-0.050127,7.000000,-1.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.050127,7.000000,-1.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.050127,7.000000,-1.866025>,0.100000
<0.449873,7.000000,-1.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.449873,7.000000,-1.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.449873,7.000000,-1.000000>,0.100000
<0.449873,6.000000,-1.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.449873,6.000000,-1.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.449873,6.000000,-1.000000>,0.100000
<1.315899,6.000000,-1.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.315899,6.000000,-1.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.315899,6.000000,-1.500000>,0.100000
<1.315899,7.000000,-1.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.315899,7.000000,-1.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.315899,7.000000,-1.500000>,0.100000
<2.181924,7.000000,-2.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.181924,7.000000,-2.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.181924,7.000000,-2.000000>,0.100000
<1.681924,7.000000,-2.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.681924,7.000000,-2.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.681924,7.000000,-2.866025>,0.100000
<2.547949,7.000000,-3.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.547949,7.000000,-3.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.547949,7.000000,-3.366025>,0.100000
<3.047949,7.000000,-2.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.047949,7.000000,-2.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.047949,7.000000,-2.500000>,0.100000
<3.047949,6.000000,-2.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.047949,6.000000,-2.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.047949,6.000000,-2.500000>,0.100000
<2.547949,6.000000,-3.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.547949,6.000000,-3.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.547949,6.000000,-3.366025>,0.100000
<1.681924,6.000000,-2.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.681924,6.000000,-2.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.681924,6.000000,-2.866025>,0.100000
<2.181924,6.000000,-2.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.181924,6.000000,-2.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.181924,6.000000,-2.000000>,0.100000
<2.181924,5.000000,-2.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.181924,5.000000,-2.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.181924,5.000000,-2.000000>,0.100000
<1.681924,5.000000,-2.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.681924,5.000000,-2.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.681924,5.000000,-2.866025>,0.100000
<1.681924,4.000000,-2.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.681924,4.000000,-2.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.681924,4.000000,-2.866025>,0.100000
<2.181924,4.000000,-2.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.181924,4.000000,-2.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.181924,4.000000,-2.000000>,0.100000
<3.047949,4.000000,-2.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.047949,4.000000,-2.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.047949,4.000000,-2.500000>,0.100000
<2.547949,4.000000,-3.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.547949,4.000000,-3.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.547949,4.000000,-3.366025>,0.100000
<2.547949,5.000000,-3.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.547949,5.000000,-3.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.547949,5.000000,-3.366025>,0.100000
<3.047949,5.000000,-2.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.047949,5.000000,-2.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.047949,5.000000,-2.500000>,0.100000
<3.913975,5.000000,-3.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.913975,5.000000,-3.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.913975,5.000000,-3.000000>,0.100000
<3.413975,5.000000,-3.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.413975,5.000000,-3.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.413975,5.000000,-3.866025>,0.100000
<3.413975,4.000000,-3.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.413975,4.000000,-3.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.413975,4.000000,-3.866025>,0.100000
<3.913975,4.000000,-3.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.913975,4.000000,-3.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.913975,4.000000,-3.000000>,0.100000
<4.780000,4.000000,-3.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.780000,4.000000,-3.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.780000,4.000000,-3.500000>,0.100000
<4.280000,4.000000,-4.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.280000,4.000000,-4.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.280000,4.000000,-4.366025>,0.100000
<4.280000,5.000000,-4.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.280000,5.000000,-4.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.280000,5.000000,-4.366025>,0.100000
<4.780000,5.000000,-3.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.780000,5.000000,-3.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.780000,5.000000,-3.500000>,0.100000
<4.780000,6.000000,-3.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.780000,6.000000,-3.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.780000,6.000000,-3.500000>,0.100000
<3.913975,6.000000,-3.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.913975,6.000000,-3.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.913975,6.000000,-3.000000>,0.100000
<3.913975,7.000000,-3.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.913975,7.000000,-3.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.913975,7.000000,-3.000000>,0.100000
<4.780000,7.000000,-3.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.780000,7.000000,-3.500000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.780000,7.000000,-3.500000>,0.100000
<4.280000,7.000000,-4.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.280000,7.000000,-4.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.280000,7.000000,-4.366025>,0.100000
<3.413975,7.000000,-3.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.413975,7.000000,-3.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.413975,7.000000,-3.866025>,0.100000
<3.413975,6.000000,-3.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.413975,6.000000,-3.866025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.413975,6.000000,-3.866025>,0.100000
<4.280000,6.000000,-4.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.280000,6.000000,-4.366025>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.280000,6.000000,-4.366025>,0.100000
<3.780000,6.000000,-5.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.780000,6.000000,-5.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.780000,6.000000,-5.232051>,0.100000
<2.913975,6.000000,-4.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.913975,6.000000,-4.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.913975,6.000000,-4.732051>,0.100000
<2.913975,7.000000,-4.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.913975,7.000000,-4.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.913975,7.000000,-4.732051>,0.100000
<3.780000,7.000000,-5.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.780000,7.000000,-5.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.780000,7.000000,-5.232051>,0.100000
<3.280000,7.000000,-6.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.280000,7.000000,-6.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.280000,7.000000,-6.098076>,0.100000
<2.413975,7.000000,-5.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.413975,7.000000,-5.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.413975,7.000000,-5.598076>,0.100000
<2.413975,6.000000,-5.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.413975,6.000000,-5.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.413975,6.000000,-5.598076>,0.100000
<3.280000,6.000000,-6.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.280000,6.000000,-6.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.280000,6.000000,-6.098076>,0.100000
<3.280000,5.000000,-6.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.280000,5.000000,-6.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.280000,5.000000,-6.098076>,0.100000
<3.780000,5.000000,-5.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.780000,5.000000,-5.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.780000,5.000000,-5.232051>,0.100000
<3.780000,4.000000,-5.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.780000,4.000000,-5.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.780000,4.000000,-5.232051>,0.100000
<3.280000,4.000000,-6.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.280000,4.000000,-6.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.280000,4.000000,-6.098076>,0.100000
<2.413975,4.000000,-5.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.413975,4.000000,-5.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.413975,4.000000,-5.598076>,0.100000
<2.913975,4.000000,-4.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.913975,4.000000,-4.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.913975,4.000000,-4.732051>,0.100000
<2.913975,5.000000,-4.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.913975,5.000000,-4.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.913975,5.000000,-4.732051>,0.100000
<2.413975,5.000000,-5.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.413975,5.000000,-5.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.413975,5.000000,-5.598076>,0.100000
<1.547949,5.000000,-5.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.547949,5.000000,-5.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.547949,5.000000,-5.098076>,0.100000
<2.047949,5.000000,-4.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.047949,5.000000,-4.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.047949,5.000000,-4.232051>,0.100000
<2.047949,4.000000,-4.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.047949,4.000000,-4.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.047949,4.000000,-4.232051>,0.100000
<1.547949,4.000000,-5.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.547949,4.000000,-5.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.547949,4.000000,-5.098076>,0.100000
<0.681924,4.000000,-4.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.681924,4.000000,-4.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.681924,4.000000,-4.598076>,0.100000
<1.181924,4.000000,-3.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.181924,4.000000,-3.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.181924,4.000000,-3.732051>,0.100000
<1.181924,5.000000,-3.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.181924,5.000000,-3.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.181924,5.000000,-3.732051>,0.100000
<0.681924,5.000000,-4.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.681924,5.000000,-4.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.681924,5.000000,-4.598076>,0.100000
<0.681924,6.000000,-4.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.681924,6.000000,-4.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.681924,6.000000,-4.598076>,0.100000
<1.181924,6.000000,-3.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.181924,6.000000,-3.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.181924,6.000000,-3.732051>,0.100000
<2.047949,6.000000,-4.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.047949,6.000000,-4.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.047949,6.000000,-4.232051>,0.100000
<1.547949,6.000000,-5.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.547949,6.000000,-5.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.547949,6.000000,-5.098076>,0.100000
<1.547949,7.000000,-5.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.547949,7.000000,-5.098076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.547949,7.000000,-5.098076>,0.100000
<2.047949,7.000000,-4.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.047949,7.000000,-4.232051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.047949,7.000000,-4.232051>,0.100000
<1.181924,7.000000,-3.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.181924,7.000000,-3.732051>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.181924,7.000000,-3.732051>,0.100000
<0.681924,7.000000,-4.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.681924,7.000000,-4.598076>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.681924,7.000000,-4.598076>,0.100000
<0.181924,7.000000,-5.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.181924,7.000000,-5.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.181924,7.000000,-5.464102>,0.100000
<-0.318076,7.000000,-6.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.318076,7.000000,-6.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.318076,7.000000,-6.330127>,0.100000
<0.547949,7.000000,-6.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.547949,7.000000,-6.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.547949,7.000000,-6.830127>,0.100000
<1.047949,7.000000,-5.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.047949,7.000000,-5.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.047949,7.000000,-5.964102>,0.100000
<1.047949,6.000000,-5.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.047949,6.000000,-5.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.047949,6.000000,-5.964102>,0.100000
<0.547949,6.000000,-6.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.547949,6.000000,-6.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.547949,6.000000,-6.830127>,0.100000
<-0.318076,6.000000,-6.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.318076,6.000000,-6.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.318076,6.000000,-6.330127>,0.100000
<0.181924,6.000000,-5.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.181924,6.000000,-5.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.181924,6.000000,-5.464102>,0.100000
<0.181924,5.000000,-5.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.181924,5.000000,-5.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.181924,5.000000,-5.464102>,0.100000
<-0.318076,5.000000,-6.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.318076,5.000000,-6.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.318076,5.000000,-6.330127>,0.100000
<-0.318076,4.000000,-6.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.318076,4.000000,-6.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.318076,4.000000,-6.330127>,0.100000
<0.181924,4.000000,-5.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.181924,4.000000,-5.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.181924,4.000000,-5.464102>,0.100000
<1.047949,4.000000,-5.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.047949,4.000000,-5.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.047949,4.000000,-5.964102>,0.100000
<0.547949,4.000000,-6.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.547949,4.000000,-6.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.547949,4.000000,-6.830127>,0.100000
<0.547949,5.000000,-6.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.547949,5.000000,-6.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.547949,5.000000,-6.830127>,0.100000
<1.047949,5.000000,-5.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.047949,5.000000,-5.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.047949,5.000000,-5.964102>,0.100000
<1.913975,5.000000,-6.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913975,5.000000,-6.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913975,5.000000,-6.464102>,0.100000
<1.413975,5.000000,-7.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.413975,5.000000,-7.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.413975,5.000000,-7.330127>,0.100000
<1.413975,4.000000,-7.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.413975,4.000000,-7.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.413975,4.000000,-7.330127>,0.100000
<1.913975,4.000000,-6.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913975,4.000000,-6.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913975,4.000000,-6.464102>,0.100000
<2.780000,4.000000,-6.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.780000,4.000000,-6.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.780000,4.000000,-6.964102>,0.100000
<2.280000,4.000000,-7.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.280000,4.000000,-7.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.280000,4.000000,-7.830127>,0.100000
<2.280000,5.000000,-7.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.280000,5.000000,-7.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.280000,5.000000,-7.830127>,0.100000
<2.780000,5.000000,-6.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.780000,5.000000,-6.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.780000,5.000000,-6.964102>,0.100000
<2.780000,6.000000,-6.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.780000,6.000000,-6.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.780000,6.000000,-6.964102>,0.100000
<1.913975,6.000000,-6.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913975,6.000000,-6.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913975,6.000000,-6.464102>,0.100000
<1.913975,7.000000,-6.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913975,7.000000,-6.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913975,7.000000,-6.464102>,0.100000
<2.780000,7.000000,-6.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.780000,7.000000,-6.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.780000,7.000000,-6.964102>,0.100000
<2.280000,7.000000,-7.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.280000,7.000000,-7.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.280000,7.000000,-7.830127>,0.100000
<1.413975,7.000000,-7.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.413975,7.000000,-7.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.413975,7.000000,-7.330127>,0.100000
<1.413975,6.000000,-7.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.413975,6.000000,-7.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.413975,6.000000,-7.330127>,0.100000
<2.280000,6.000000,-7.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.280000,6.000000,-7.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.280000,6.000000,-7.830127>,0.100000
<1.780000,6.000000,-8.696153>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.780000,6.000000,-8.696153>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.780000,6.000000,-8.696153>,0.100000
<0.913975,6.000000,-8.196153>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.913975,6.000000,-8.196153>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.913975,6.000000,-8.196153>,0.100000
<0.913975,7.000000,-8.196153>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.913975,7.000000,-8.196153>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.913975,7.000000,-8.196153>,0.100000
<1.780000,7.000000,-8.696153>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.780000,7.000000,-8.696153>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.780000,7.000000,-8.696153>,0.100000
<1.280000,7.000000,-9.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.280000,7.000000,-9.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.280000,7.000000,-9.562178>,0.100000
<0.413975,7.000000,-9.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.413975,7.000000,-9.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.413975,7.000000,-9.062178>,0.100000
<0.413975,6.000000,-9.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.413975,6.000000,-9.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.413975,6.000000,-9.062178>,0.100000
<1.280000,6.000000,-9.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.280000,6.000000,-9.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.280000,6.000000,-9.562178>,0.100000
<1.280000,5.000000,-9.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.280000,5.000000,-9.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.280000,5.000000,-9.562178>,0.100000
<1.780000,5.000000,-8.696153>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.780000,5.000000,-8.696153>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.780000,5.000000,-8.696153>,0.100000
<1.780000,4.000000,-8.696153>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.780000,4.000000,-8.696153>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.780000,4.000000,-8.696153>,0.100000
<1.280000,4.000000,-9.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.280000,4.000000,-9.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.280000,4.000000,-9.562178>,0.100000
<0.413975,4.000000,-9.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.413975,4.000000,-9.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.413975,4.000000,-9.062178>,0.100000
<0.913975,4.000000,-8.196153>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.913975,4.000000,-8.196153>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.913975,4.000000,-8.196153>,0.100000
<0.913975,5.000000,-8.196153>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.913975,5.000000,-8.196153>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.913975,5.000000,-8.196153>,0.100000
<0.413975,5.000000,-9.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.413975,5.000000,-9.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.413975,5.000000,-9.062178>,0.100000
<-0.452051,5.000000,-8.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.452051,5.000000,-8.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.452051,5.000000,-8.562178>,0.100000
<0.047949,5.000000,-7.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.047949,5.000000,-7.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.047949,5.000000,-7.696152>,0.100000
<0.047949,4.000000,-7.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.047949,4.000000,-7.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.047949,4.000000,-7.696152>,0.100000
<-0.452051,4.000000,-8.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.452051,4.000000,-8.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.452051,4.000000,-8.562178>,0.100000
<-1.318076,4.000000,-8.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.318076,4.000000,-8.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.318076,4.000000,-8.062178>,0.100000
<-0.818076,4.000000,-7.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.818076,4.000000,-7.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.818076,4.000000,-7.196152>,0.100000
<-0.818076,5.000000,-7.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.818076,5.000000,-7.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.818076,5.000000,-7.196152>,0.100000
<-1.318076,5.000000,-8.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.318076,5.000000,-8.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.318076,5.000000,-8.062178>,0.100000
<-1.318076,6.000000,-8.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.318076,6.000000,-8.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.318076,6.000000,-8.062178>,0.100000
<-0.818076,6.000000,-7.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.818076,6.000000,-7.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.818076,6.000000,-7.196152>,0.100000
<0.047949,6.000000,-7.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.047949,6.000000,-7.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.047949,6.000000,-7.696152>,0.100000
<-0.452051,6.000000,-8.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.452051,6.000000,-8.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.452051,6.000000,-8.562178>,0.100000
<-0.452051,7.000000,-8.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.452051,7.000000,-8.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.452051,7.000000,-8.562178>,0.100000
<0.047949,7.000000,-7.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.047949,7.000000,-7.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.047949,7.000000,-7.696152>,0.100000
<-0.818076,7.000000,-7.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.818076,7.000000,-7.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.818076,7.000000,-7.196152>,0.100000
<-1.318076,7.000000,-8.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.318076,7.000000,-8.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.318076,7.000000,-8.062178>,0.100000
<-2.184101,7.000000,-7.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.184101,7.000000,-7.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.184101,7.000000,-7.562178>,0.100000
<-2.184101,6.000000,-7.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.184101,6.000000,-7.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.184101,6.000000,-7.562178>,0.100000
<-3.050127,6.000000,-7.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.050127,6.000000,-7.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.050127,6.000000,-7.062178>,0.100000
<-3.050127,7.000000,-7.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.050127,7.000000,-7.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.050127,7.000000,-7.062178>,0.100000
<-2.550127,7.000000,-6.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.550127,7.000000,-6.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.550127,7.000000,-6.196152>,0.100000
<-2.550127,6.000000,-6.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.550127,6.000000,-6.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.550127,6.000000,-6.196152>,0.100000
<-1.684101,6.000000,-6.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.684101,6.000000,-6.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.684101,6.000000,-6.696152>,0.100000
<-1.684101,7.000000,-6.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.684101,7.000000,-6.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.684101,7.000000,-6.696152>,0.100000
<-1.184101,7.000000,-5.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.184101,7.000000,-5.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.184101,7.000000,-5.830127>,0.100000
<-0.684101,7.000000,-4.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684101,7.000000,-4.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684101,7.000000,-4.964102>,0.100000
<-0.684101,6.000000,-4.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684101,6.000000,-4.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684101,6.000000,-4.964102>,0.100000
<-1.184101,6.000000,-5.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.184101,6.000000,-5.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.184101,6.000000,-5.830127>,0.100000
<-2.050127,6.000000,-5.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.050127,6.000000,-5.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.050127,6.000000,-5.330127>,0.100000
<-1.550127,6.000000,-4.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.550127,6.000000,-4.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.550127,6.000000,-4.464102>,0.100000
<-1.550127,7.000000,-4.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.550127,7.000000,-4.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.550127,7.000000,-4.464102>,0.100000
<-2.050127,7.000000,-5.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.050127,7.000000,-5.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.050127,7.000000,-5.330127>,0.100000
<-2.916152,7.000000,-4.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.916152,7.000000,-4.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.916152,7.000000,-4.830127>,0.100000
<-2.416152,7.000000,-3.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.416152,7.000000,-3.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.416152,7.000000,-3.964102>,0.100000
<-3.282178,7.000000,-3.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.282178,7.000000,-3.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.282178,7.000000,-3.464102>,0.100000
<-3.782178,7.000000,-4.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.782178,7.000000,-4.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.782178,7.000000,-4.330127>,0.100000
<-3.782178,6.000000,-4.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.782178,6.000000,-4.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.782178,6.000000,-4.330127>,0.100000
<-3.282178,6.000000,-3.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.282178,6.000000,-3.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.282178,6.000000,-3.464102>,0.100000
<-2.416152,6.000000,-3.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.416152,6.000000,-3.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.416152,6.000000,-3.964102>,0.100000
<-2.916152,6.000000,-4.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.916152,6.000000,-4.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.916152,6.000000,-4.830127>,0.100000
<-3.416152,6.000000,-5.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.416152,6.000000,-5.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.416152,6.000000,-5.696152>,0.100000
<-4.282177,6.000000,-5.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.282177,6.000000,-5.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.282177,6.000000,-5.196152>,0.100000
<-4.282177,7.000000,-5.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.282177,7.000000,-5.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.282177,7.000000,-5.196152>,0.100000
<-3.416152,7.000000,-5.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.416152,7.000000,-5.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.416152,7.000000,-5.696152>,0.100000
<-3.916152,7.000000,-6.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.916152,7.000000,-6.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.916152,7.000000,-6.562178>,0.100000
<-4.782177,7.000000,-6.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.782177,7.000000,-6.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.782177,7.000000,-6.062178>,0.100000
<-4.782177,6.000000,-6.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.782177,6.000000,-6.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.782177,6.000000,-6.062178>,0.100000
<-3.916152,6.000000,-6.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.916152,6.000000,-6.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.916152,6.000000,-6.562178>,0.100000
<-3.916152,5.000000,-6.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.916152,5.000000,-6.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.916152,5.000000,-6.562178>,0.100000
<-4.782177,5.000000,-6.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.782177,5.000000,-6.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.782177,5.000000,-6.062178>,0.100000
<-4.782177,4.000000,-6.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.782177,4.000000,-6.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.782177,4.000000,-6.062178>,0.100000
<-3.916152,4.000000,-6.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.916152,4.000000,-6.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.916152,4.000000,-6.562178>,0.100000
<-3.416152,4.000000,-5.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.416152,4.000000,-5.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.416152,4.000000,-5.696152>,0.100000
<-4.282177,4.000000,-5.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.282177,4.000000,-5.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.282177,4.000000,-5.196152>,0.100000
<-4.282177,5.000000,-5.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.282177,5.000000,-5.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.282177,5.000000,-5.196152>,0.100000
<-3.416152,5.000000,-5.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.416152,5.000000,-5.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.416152,5.000000,-5.696152>,0.100000
<-2.916152,5.000000,-4.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.916152,5.000000,-4.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.916152,5.000000,-4.830127>,0.100000
<-2.416152,5.000000,-3.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.416152,5.000000,-3.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.416152,5.000000,-3.964102>,0.100000
<-3.282178,5.000000,-3.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.282178,5.000000,-3.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.282178,5.000000,-3.464102>,0.100000
<-3.782178,5.000000,-4.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.782178,5.000000,-4.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.782178,5.000000,-4.330127>,0.100000
<-3.782178,4.000000,-4.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.782178,4.000000,-4.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.782178,4.000000,-4.330127>,0.100000
<-3.282178,4.000000,-3.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.282178,4.000000,-3.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.282178,4.000000,-3.464102>,0.100000
<-2.416152,4.000000,-3.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.416152,4.000000,-3.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.416152,4.000000,-3.964102>,0.100000
<-2.916152,4.000000,-4.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.916152,4.000000,-4.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.916152,4.000000,-4.830127>,0.100000
<-2.050127,4.000000,-5.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.050127,4.000000,-5.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.050127,4.000000,-5.330127>,0.100000
<-1.550127,4.000000,-4.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.550127,4.000000,-4.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.550127,4.000000,-4.464102>,0.100000
<-1.550127,5.000000,-4.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.550127,5.000000,-4.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.550127,5.000000,-4.464102>,0.100000
<-2.050127,5.000000,-5.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.050127,5.000000,-5.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.050127,5.000000,-5.330127>,0.100000
<-1.184101,5.000000,-5.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.184101,5.000000,-5.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.184101,5.000000,-5.830127>,0.100000
<-0.684101,5.000000,-4.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684101,5.000000,-4.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684101,5.000000,-4.964102>,0.100000
<-0.684101,4.000000,-4.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684101,4.000000,-4.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684101,4.000000,-4.964102>,0.100000
<-1.184101,4.000000,-5.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.184101,4.000000,-5.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.184101,4.000000,-5.830127>,0.100000
<-1.684101,4.000000,-6.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.684101,4.000000,-6.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.684101,4.000000,-6.696152>,0.100000
<-1.684101,5.000000,-6.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.684101,5.000000,-6.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.684101,5.000000,-6.696152>,0.100000
<-2.550127,5.000000,-6.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.550127,5.000000,-6.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.550127,5.000000,-6.196152>,0.100000
<-2.550127,4.000000,-6.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.550127,4.000000,-6.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.550127,4.000000,-6.196152>,0.100000
<-3.050127,4.000000,-7.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.050127,4.000000,-7.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.050127,4.000000,-7.062178>,0.100000
<-3.050127,5.000000,-7.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.050127,5.000000,-7.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.050127,5.000000,-7.062178>,0.100000
<-2.184101,5.000000,-7.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.184101,5.000000,-7.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.184101,5.000000,-7.562178>,0.100000
<-2.184101,4.000000,-7.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.184101,4.000000,-7.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.184101,4.000000,-7.562178>,0.100000
<-2.184101,3.000000,-7.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.184101,3.000000,-7.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.184101,3.000000,-7.562178>,0.100000
<-2.184101,2.000000,-7.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.184101,2.000000,-7.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.184101,2.000000,-7.562178>,0.100000
<-3.050127,2.000000,-7.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.050127,2.000000,-7.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.050127,2.000000,-7.062178>,0.100000
<-3.050127,3.000000,-7.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.050127,3.000000,-7.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.050127,3.000000,-7.062178>,0.100000
<-2.550127,3.000000,-6.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.550127,3.000000,-6.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.550127,3.000000,-6.196152>,0.100000
<-2.550127,2.000000,-6.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.550127,2.000000,-6.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.550127,2.000000,-6.196152>,0.100000
<-1.684101,2.000000,-6.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.684101,2.000000,-6.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.684101,2.000000,-6.696152>,0.100000
<-1.684101,3.000000,-6.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.684101,3.000000,-6.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.684101,3.000000,-6.696152>,0.100000
<-1.184101,3.000000,-5.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.184101,3.000000,-5.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.184101,3.000000,-5.830127>,0.100000
<-0.684101,3.000000,-4.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684101,3.000000,-4.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684101,3.000000,-4.964102>,0.100000
<-0.684101,2.000000,-4.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684101,2.000000,-4.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684101,2.000000,-4.964102>,0.100000
<-1.184101,2.000000,-5.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.184101,2.000000,-5.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.184101,2.000000,-5.830127>,0.100000
<-2.050127,2.000000,-5.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.050127,2.000000,-5.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.050127,2.000000,-5.330127>,0.100000
<-1.550127,2.000000,-4.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.550127,2.000000,-4.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.550127,2.000000,-4.464102>,0.100000
<-1.550127,3.000000,-4.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.550127,3.000000,-4.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.550127,3.000000,-4.464102>,0.100000
<-2.050127,3.000000,-5.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.050127,3.000000,-5.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.050127,3.000000,-5.330127>,0.100000
<-2.916152,3.000000,-4.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.916152,3.000000,-4.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.916152,3.000000,-4.830127>,0.100000
<-2.416152,3.000000,-3.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.416152,3.000000,-3.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.416152,3.000000,-3.964102>,0.100000
<-3.282178,3.000000,-3.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.282178,3.000000,-3.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.282178,3.000000,-3.464102>,0.100000
<-3.782178,3.000000,-4.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.782178,3.000000,-4.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.782178,3.000000,-4.330127>,0.100000
<-3.782178,2.000000,-4.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.782178,2.000000,-4.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.782178,2.000000,-4.330127>,0.100000
<-3.282178,2.000000,-3.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.282178,2.000000,-3.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.282178,2.000000,-3.464102>,0.100000
<-2.416152,2.000000,-3.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.416152,2.000000,-3.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.416152,2.000000,-3.964102>,0.100000
<-2.916152,2.000000,-4.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.916152,2.000000,-4.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.916152,2.000000,-4.830127>,0.100000
<-3.416152,2.000000,-5.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.416152,2.000000,-5.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.416152,2.000000,-5.696152>,0.100000
<-4.282177,2.000000,-5.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.282177,2.000000,-5.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.282177,2.000000,-5.196152>,0.100000
<-4.282177,3.000000,-5.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.282177,3.000000,-5.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.282177,3.000000,-5.196152>,0.100000
<-3.416152,3.000000,-5.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.416152,3.000000,-5.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.416152,3.000000,-5.696152>,0.100000
<-3.916152,3.000000,-6.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.916152,3.000000,-6.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.916152,3.000000,-6.562178>,0.100000
<-4.782177,3.000000,-6.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.782177,3.000000,-6.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.782177,3.000000,-6.062178>,0.100000
<-4.782177,2.000000,-6.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.782177,2.000000,-6.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.782177,2.000000,-6.062178>,0.100000
<-3.916152,2.000000,-6.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.916152,2.000000,-6.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.916152,2.000000,-6.562178>,0.100000
<-3.916152,1.000000,-6.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.916152,1.000000,-6.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.916152,1.000000,-6.562178>,0.100000
<-4.782177,1.000000,-6.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.782177,1.000000,-6.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.782177,1.000000,-6.062178>,0.100000
<-4.782177,-0.000000,-6.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.782177,-0.000000,-6.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.782177,-0.000000,-6.062178>,0.100000
<-3.916152,-0.000000,-6.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.916152,-0.000000,-6.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.916152,-0.000000,-6.562178>,0.100000
<-3.416152,-0.000000,-5.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.416152,-0.000000,-5.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.416152,-0.000000,-5.696152>,0.100000
<-4.282177,-0.000000,-5.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.282177,-0.000000,-5.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.282177,-0.000000,-5.196152>,0.100000
<-4.282177,1.000000,-5.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.282177,1.000000,-5.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.282177,1.000000,-5.196152>,0.100000
<-3.416152,1.000000,-5.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.416152,1.000000,-5.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.416152,1.000000,-5.696152>,0.100000
<-2.916152,1.000000,-4.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.916152,1.000000,-4.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.916152,1.000000,-4.830127>,0.100000
<-2.416152,1.000000,-3.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.416152,1.000000,-3.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.416152,1.000000,-3.964102>,0.100000
<-3.282178,1.000000,-3.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.282178,1.000000,-3.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.282178,1.000000,-3.464102>,0.100000
<-3.782178,1.000000,-4.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.782178,1.000000,-4.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.782178,1.000000,-4.330127>,0.100000
<-3.782178,-0.000000,-4.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.782178,-0.000000,-4.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.782178,-0.000000,-4.330127>,0.100000
<-3.282178,-0.000000,-3.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.282178,-0.000000,-3.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.282178,-0.000000,-3.464102>,0.100000
<-2.416152,-0.000000,-3.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.416152,-0.000000,-3.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.416152,-0.000000,-3.964102>,0.100000
<-2.916152,-0.000000,-4.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.916152,-0.000000,-4.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.916152,-0.000000,-4.830127>,0.100000
<-2.050127,-0.000000,-5.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.050127,-0.000000,-5.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.050127,-0.000000,-5.330127>,0.100000
<-1.550127,-0.000000,-4.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.550127,-0.000000,-4.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.550127,-0.000000,-4.464102>,0.100000
<-1.550127,1.000000,-4.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.550127,1.000000,-4.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.550127,1.000000,-4.464102>,0.100000
<-2.050127,1.000000,-5.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.050127,1.000000,-5.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.050127,1.000000,-5.330127>,0.100000
<-1.184101,1.000000,-5.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.184101,1.000000,-5.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.184101,1.000000,-5.830127>,0.100000
<-0.684101,1.000000,-4.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684101,1.000000,-4.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684101,1.000000,-4.964102>,0.100000
<-0.684101,-0.000000,-4.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684101,-0.000000,-4.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684101,-0.000000,-4.964102>,0.100000
<-1.184101,-0.000000,-5.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.184101,-0.000000,-5.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.184101,-0.000000,-5.830127>,0.100000
<-1.684101,-0.000000,-6.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.684101,-0.000000,-6.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.684101,-0.000000,-6.696152>,0.100000
<-1.684101,1.000000,-6.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.684101,1.000000,-6.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.684101,1.000000,-6.696152>,0.100000
<-2.550127,1.000000,-6.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.550127,1.000000,-6.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.550127,1.000000,-6.196152>,0.100000
<-2.550127,-0.000000,-6.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.550127,-0.000000,-6.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.550127,-0.000000,-6.196152>,0.100000
<-3.050127,-0.000000,-7.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.050127,-0.000000,-7.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.050127,-0.000000,-7.062178>,0.100000
<-3.050127,1.000000,-7.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.050127,1.000000,-7.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.050127,1.000000,-7.062178>,0.100000
<-2.184101,1.000000,-7.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.184101,1.000000,-7.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.184101,1.000000,-7.562178>,0.100000
<-2.184101,-0.000000,-7.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.184101,-0.000000,-7.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.184101,-0.000000,-7.562178>,0.100000
<-1.318076,-0.000000,-8.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.318076,-0.000000,-8.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.318076,-0.000000,-8.062178>,0.100000
<-0.452051,-0.000000,-8.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.452051,-0.000000,-8.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.452051,-0.000000,-8.562178>,0.100000
<-0.452051,1.000000,-8.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.452051,1.000000,-8.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.452051,1.000000,-8.562178>,0.100000
<-1.318076,1.000000,-8.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.318076,1.000000,-8.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.318076,1.000000,-8.062178>,0.100000
<-0.818076,1.000000,-7.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.818076,1.000000,-7.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.818076,1.000000,-7.196152>,0.100000
<0.047949,1.000000,-7.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.047949,1.000000,-7.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.047949,1.000000,-7.696152>,0.100000
<0.047949,-0.000000,-7.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.047949,-0.000000,-7.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.047949,-0.000000,-7.696152>,0.100000
<-0.818076,-0.000000,-7.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.818076,-0.000000,-7.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.818076,-0.000000,-7.196152>,0.100000
<-0.318076,-0.000000,-6.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.318076,-0.000000,-6.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.318076,-0.000000,-6.330127>,0.100000
<0.181924,-0.000000,-5.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.181924,-0.000000,-5.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.181924,-0.000000,-5.464102>,0.100000
<1.047949,-0.000000,-5.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.047949,-0.000000,-5.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.047949,-0.000000,-5.964102>,0.100000
<0.547949,-0.000000,-6.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.547949,-0.000000,-6.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.547949,-0.000000,-6.830127>,0.100000
<0.547949,1.000000,-6.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.547949,1.000000,-6.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.547949,1.000000,-6.830127>,0.100000
<1.047949,1.000000,-5.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.047949,1.000000,-5.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.047949,1.000000,-5.964102>,0.100000
<0.181924,1.000000,-5.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.181924,1.000000,-5.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.181924,1.000000,-5.464102>,0.100000
<-0.318076,1.000000,-6.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.318076,1.000000,-6.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.318076,1.000000,-6.330127>,0.100000
<-0.318076,2.000000,-6.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.318076,2.000000,-6.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.318076,2.000000,-6.330127>,0.100000
<0.181924,2.000000,-5.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.181924,2.000000,-5.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.181924,2.000000,-5.464102>,0.100000
<0.181924,3.000000,-5.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.181924,3.000000,-5.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.181924,3.000000,-5.464102>,0.100000
<-0.318076,3.000000,-6.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.318076,3.000000,-6.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.318076,3.000000,-6.330127>,0.100000
<0.547949,3.000000,-6.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.547949,3.000000,-6.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.547949,3.000000,-6.830127>,0.100000
<1.047949,3.000000,-5.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.047949,3.000000,-5.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.047949,3.000000,-5.964102>,0.100000
<1.047949,2.000000,-5.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.047949,2.000000,-5.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.047949,2.000000,-5.964102>,0.100000
<0.547949,2.000000,-6.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.547949,2.000000,-6.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.547949,2.000000,-6.830127>,0.100000
<0.047949,2.000000,-7.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.047949,2.000000,-7.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.047949,2.000000,-7.696152>,0.100000
<0.047949,3.000000,-7.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.047949,3.000000,-7.696152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.047949,3.000000,-7.696152>,0.100000
<-0.818076,3.000000,-7.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.818076,3.000000,-7.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.818076,3.000000,-7.196152>,0.100000
<-0.818076,2.000000,-7.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.818076,2.000000,-7.196152>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.818076,2.000000,-7.196152>,0.100000
<-1.318076,2.000000,-8.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.318076,2.000000,-8.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.318076,2.000000,-8.062178>,0.100000
<-1.318076,3.000000,-8.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.318076,3.000000,-8.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.318076,3.000000,-8.062178>,0.100000
<-0.452051,3.000000,-8.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.452051,3.000000,-8.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.452051,3.000000,-8.562178>,0.100000
<-0.452051,2.000000,-8.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.452051,2.000000,-8.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.452051,2.000000,-8.562178>,0.100000
<0.413975,2.000000,-9.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.413975,2.000000,-9.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.413975,2.000000,-9.062178>,0.100000
<0.413975,3.000000,-9.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.413975,3.000000,-9.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.413975,3.000000,-9.062178>,0.100000
<1.280000,3.000000,-9.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.280000,3.000000,-9.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.280000,3.000000,-9.562178>,0.100000
<1.280000,2.000000,-9.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.280000,2.000000,-9.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.280000,2.000000,-9.562178>,0.100000
<1.780000,2.000000,-8.696153>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.780000,2.000000,-8.696153>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.780000,2.000000,-8.696153>,0.100000
<1.780000,3.000000,-8.696153>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.780000,3.000000,-8.696153>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.780000,3.000000,-8.696153>,0.100000
<0.913975,3.000000,-8.196153>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.913975,3.000000,-8.196153>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.913975,3.000000,-8.196153>,0.100000
<0.913975,2.000000,-8.196153>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.913975,2.000000,-8.196153>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.913975,2.000000,-8.196153>,0.100000
<1.413975,2.000000,-7.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.413975,2.000000,-7.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.413975,2.000000,-7.330127>,0.100000
<1.913975,2.000000,-6.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913975,2.000000,-6.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913975,2.000000,-6.464102>,0.100000
<1.913975,3.000000,-6.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913975,3.000000,-6.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913975,3.000000,-6.464102>,0.100000
<1.413975,3.000000,-7.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.413975,3.000000,-7.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.413975,3.000000,-7.330127>,0.100000
<2.280000,3.000000,-7.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.280000,3.000000,-7.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.280000,3.000000,-7.830127>,0.100000
<2.780000,3.000000,-6.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.780000,3.000000,-6.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.780000,3.000000,-6.964102>,0.100000
<2.780000,2.000000,-6.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.780000,2.000000,-6.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.780000,2.000000,-6.964102>,0.100000
<2.280000,2.000000,-7.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.280000,2.000000,-7.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.280000,2.000000,-7.830127>,0.100000
<2.280000,1.000000,-7.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.280000,1.000000,-7.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.280000,1.000000,-7.830127>,0.100000
<2.780000,1.000000,-6.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.780000,1.000000,-6.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.780000,1.000000,-6.964102>,0.100000
<1.913975,1.000000,-6.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913975,1.000000,-6.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913975,1.000000,-6.464102>,0.100000
<1.413975,1.000000,-7.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.413975,1.000000,-7.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.413975,1.000000,-7.330127>,0.100000
<1.413975,-0.000000,-7.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.413975,-0.000000,-7.330127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.413975,-0.000000,-7.330127>,0.100000
<1.913975,-0.000000,-6.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913975,-0.000000,-6.464102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913975,-0.000000,-6.464102>,0.100000
<2.780000,-0.000000,-6.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.780000,-0.000000,-6.964102>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.780000,-0.000000,-6.964102>,0.100000
<2.280000,-0.000000,-7.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.280000,-0.000000,-7.830127>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.280000,-0.000000,-7.830127>,0.100000
<1.780000,-0.000000,-8.696153>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.780000,-0.000000,-8.696153>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.780000,-0.000000,-8.696153>,0.100000
<0.913975,-0.000000,-8.196153>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.913975,-0.000000,-8.196153>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.913975,-0.000000,-8.196153>,0.100000
<0.913975,1.000000,-8.196153>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.913975,1.000000,-8.196153>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.913975,1.000000,-8.196153>,0.100000
<1.780000,1.000000,-8.696153>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.780000,1.000000,-8.696153>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.780000,1.000000,-8.696153>,0.100000
<1.280000,1.000000,-9.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.280000,1.000000,-9.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.280000,1.000000,-9.562178>,0.100000
<0.413975,1.000000,-9.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.413975,1.000000,-9.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.413975,1.000000,-9.062178>,0.100000
<0.413975,-0.000000,-9.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.413975,-0.000000,-9.062178>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.413975,-0.000000,-9.062178>,0.100000
<1.280000,-0.000000,-9.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.280000,-0.000000,-9.562178>,0.100000
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, 4.200000, 8.400000>
look_at   <0, 4.200000,  0>
}
