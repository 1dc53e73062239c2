#include "colors.inc"
light_source { <103.962257, 103.962257, 103.962257> color White}

cone {
<0.000000,0.000000,-0.000000>,0.100000
<0.000000,1.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,1.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,1.000000,-0.000000>,0.220000
<0.000000,2.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,2.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,2.000000,-0.000000>,0.220000
<0.000000,3.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,3.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,3.000000,-0.000000>,0.220000
<0.000000,4.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,4.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.220000
<0.382683,4.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,4.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,4.923880,-0.000000>,0.220000
<0.765367,5.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,5.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.220000
<0.000000,5.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,5.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,5.000000,-0.000000>,0.220000
<-0.382683,5.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,5.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,5.923880,-0.000000>,0.220000
<-0.765367,6.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,6.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,6.847759,-0.000000>,0.220000
<-1.472474,7.554866,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.472474,7.554866,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.472474,7.554866,-0.000000>,0.220000
<-2.179580,8.261972,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,8.261972,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,6.847759,-0.000000>,0.220000
<-1.148050,7.771638,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,7.771638,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,5.000000,-0.000000>,0.220000
<0.000000,6.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,6.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.220000
<0.382683,6.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,6.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,6.923880,-0.000000>,0.220000
<0.765367,7.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,7.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,7.847759,-0.000000>,0.220000
<0.765367,8.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,8.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,8.847759,-0.000000>,0.220000
<0.765367,9.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,9.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,7.847759,-0.000000>,0.220000
<1.148050,8.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,8.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,8.771639,-0.000000>,0.220000
<1.855157,9.478745,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,9.478745,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855157,9.478745,-0.000000>,0.220000
<2.562264,10.185852,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.562264,10.185852,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.562264,10.185852,-0.000000>,0.220000
<3.269371,10.892959,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.269371,10.892959,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,8.771639,-0.000000>,0.220000
<1.530734,9.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,9.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.220000
<0.000000,7.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,7.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,7.000000,-0.000000>,0.220000
<0.000000,8.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,8.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.220000
<-0.382683,8.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,8.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,8.923880,-0.000000>,0.220000
<-1.089790,9.630986,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,9.630986,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.089790,9.630986,-0.000000>,0.220000
<-1.796897,10.338093,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,10.338093,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,10.338093,-0.000000>,0.220000
<-2.504004,11.045200,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.504004,11.045200,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,8.923880,-0.000000>,0.220000
<-0.765367,9.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,9.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,9.847759,-0.000000>,0.220000
<-0.765367,10.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,10.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,10.847759,-0.000000>,0.220000
<-0.765367,11.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,11.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,11.847759,-0.000000>,0.220000
<-0.765367,12.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,12.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,9.847759,-0.000000>,0.220000
<-1.148050,10.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,10.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,10.771639,-0.000000>,0.220000
<-1.855157,11.478745,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.855157,11.478745,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.855157,11.478745,-0.000000>,0.220000
<-2.562264,12.185852,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,12.185852,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.562264,12.185852,-0.000000>,0.220000
<-3.269371,12.892959,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,12.892959,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.269371,12.892959,-0.000000>,0.220000
<-4.193250,13.275642,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.193250,13.275642,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.193250,13.275642,-0.000000>,0.220000
<-5.117130,13.658326,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.117130,13.658326,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.117130,13.658326,-0.000000>,0.220000
<-6.041009,14.041009,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.041009,14.041009,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.269371,12.892959,-0.000000>,0.220000
<-3.976477,13.600066,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,13.600066,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,10.771639,-0.000000>,0.220000
<-1.530734,11.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,11.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.220000
<0.000000,9.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,9.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,9.000000,-0.000000>,0.220000
<0.000000,10.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,10.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.220000
<-0.382683,10.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,10.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,10.923880,-0.000000>,0.220000
<-0.765367,11.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,11.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.220000
<0.382683,10.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,10.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,10.923880,-0.000000>,0.220000
<1.089790,11.630986,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.089790,11.630986,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.089790,11.630986,-0.000000>,0.220000
<1.796897,12.338093,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.796897,12.338093,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.796897,12.338093,-0.000000>,0.220000
<2.504004,13.045200,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.504004,13.045200,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.504004,13.045200,-0.000000>,0.220000
<3.427883,13.427883,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.427883,13.427883,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.427883,13.427883,-0.000000>,0.220000
<4.351763,13.810567,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.351763,13.810567,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.504004,13.045200,-0.000000>,0.220000
<3.211111,13.752307,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.211111,13.752307,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,10.923880,-0.000000>,0.220000
<0.765367,11.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,11.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,11.847759,-0.000000>,0.220000
<1.148050,12.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,12.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,12.771639,-0.000000>,0.220000
<1.148050,13.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,13.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,13.771639,-0.000000>,0.220000
<1.530734,14.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,14.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,14.695518,-0.000000>,0.220000
<1.913417,15.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,15.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,13.771639,-0.000000>,0.220000
<1.148050,14.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,14.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,14.771639,-0.000000>,0.220000
<0.765367,15.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,15.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,15.695518,-0.000000>,0.220000
<0.382683,16.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,16.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,16.619398,-0.000000>,0.220000
<0.000000,17.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,17.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,14.771639,-0.000000>,0.220000
<1.148050,15.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,15.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,12.771639,-0.000000>,0.220000
<1.530734,13.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,13.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,13.695518,-0.000000>,0.220000
<1.913417,14.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,14.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,14.619398,-0.000000>,0.220000
<2.620524,15.326505,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.620524,15.326505,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.620524,15.326505,-0.000000>,0.220000
<3.544404,15.709188,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.544404,15.709188,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.544404,15.709188,-0.000000>,0.220000
<4.468283,16.091871,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.468283,16.091871,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.620524,15.326505,-0.000000>,0.220000
<3.327631,16.033611,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.327631,16.033611,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.327631,16.033611,-0.000000>,0.220000
<3.710314,16.957491,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,16.957491,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,16.957491,-0.000000>,0.220000
<4.092998,17.881371,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.092998,17.881371,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.092998,17.881371,-0.000000>,0.220000
<4.475681,18.805250,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.475681,18.805250,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.327631,16.033611,-0.000000>,0.220000
<4.034738,16.740719,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.034738,16.740719,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.034738,16.740719,-0.000000>,0.220000
<4.958617,17.123402,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.958617,17.123402,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.958617,17.123402,-0.000000>,0.220000
<5.882496,17.506084,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.882496,17.506084,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.882496,17.506084,-0.000000>,0.220000
<6.806376,17.888769,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.806376,17.888769,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.806376,17.888769,-0.000000>,0.220000
<7.806376,17.888769,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.806376,17.888769,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.806376,17.888769,-0.000000>,0.220000
<8.806376,17.888769,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.806376,17.888769,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.806376,17.888769,-0.000000>,0.220000
<7.730256,18.271452,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.730256,18.271452,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.034738,16.740719,-0.000000>,0.220000
<4.741844,17.447824,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.741844,17.447824,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,14.619398,-0.000000>,0.220000
<2.296101,15.543277,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,15.543277,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.220000
<0.000000,11.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,11.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,11.000000,-0.000000>,0.220000
<0.000000,12.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,12.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.220000
<-0.382683,12.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,12.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,12.923880,-0.000000>,0.220000
<-0.765367,13.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,13.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.220000
<0.000000,13.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,13.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.000000,-0.000000>,0.220000
<0.382683,13.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,13.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,13.923880,-0.000000>,0.220000
<0.765367,14.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,14.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,14.847759,-0.000000>,0.220000
<1.148050,15.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,15.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.000000,-0.000000>,0.220000
<-0.382683,13.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,13.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,13.923880,-0.000000>,0.220000
<-1.089790,14.630986,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,14.630986,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.089790,14.630986,-0.000000>,0.220000
<-2.013670,15.013670,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.013670,15.013670,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.013670,15.013670,-0.000000>,0.220000
<-2.937549,15.396353,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.937549,15.396353,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.089790,14.630986,-0.000000>,0.220000
<-1.796897,15.338093,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,15.338093,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,15.338093,-0.000000>,0.220000
<-2.179580,16.261972,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,16.261972,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,16.261972,-0.000000>,0.220000
<-2.562264,17.185852,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,17.185852,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,15.338093,-0.000000>,0.220000
<-2.504004,16.045200,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.504004,16.045200,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.504004,16.045200,-0.000000>,0.220000
<-3.427883,16.427883,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.427883,16.427883,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.427883,16.427883,-0.000000>,0.220000
<-4.351763,16.810566,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.351763,16.810566,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.351763,16.810566,-0.000000>,0.220000
<-5.351763,16.810566,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.351763,16.810566,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.351763,16.810566,-0.000000>,0.220000
<-6.351763,16.810566,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.351763,16.810566,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.351763,16.810566,-0.000000>,0.220000
<-5.275642,17.193251,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.275642,17.193251,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.504004,16.045200,-0.000000>,0.220000
<-3.211111,16.752306,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.211111,16.752306,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,13.923880,-0.000000>,0.220000
<-0.765367,14.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,14.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,14.847759,-0.000000>,0.220000
<-1.148050,15.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,15.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,15.771639,-0.000000>,0.220000
<-1.148050,16.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,16.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,16.771639,-0.000000>,0.220000
<-1.530734,17.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,17.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,17.695518,-0.000000>,0.220000
<-1.913417,18.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,18.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,18.619398,-0.000000>,0.220000
<-2.620524,19.326504,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.620524,19.326504,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.620524,19.326504,-0.000000>,0.220000
<-3.327631,20.033611,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.327631,20.033611,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,18.619398,-0.000000>,0.220000
<-2.296101,19.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,19.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,16.771639,-0.000000>,0.220000
<-1.148050,17.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,17.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,17.771639,-0.000000>,0.220000
<-0.765367,18.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,18.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,18.695518,-0.000000>,0.220000
<-0.765367,19.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,19.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,19.695518,-0.000000>,0.220000
<-0.765367,20.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,20.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,18.695518,-0.000000>,0.220000
<-0.382683,19.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,19.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,19.619398,-0.000000>,0.220000
<0.324423,20.326504,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.324423,20.326504,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.324423,20.326504,-0.000000>,0.220000
<1.031530,21.033611,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.031530,21.033611,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,19.619398,-0.000000>,0.220000
<-0.000000,20.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,20.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,17.771639,-0.000000>,0.220000
<-1.148050,18.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,18.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,15.771639,-0.000000>,0.220000
<-1.530734,16.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,16.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,16.695518,-0.000000>,0.220000
<-1.913417,17.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,17.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,17.619398,-0.000000>,0.220000
<-2.620524,18.326504,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.620524,18.326504,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.620524,18.326504,-0.000000>,0.220000
<-3.544404,18.709188,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.544404,18.709188,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.544404,18.709188,-0.000000>,0.220000
<-4.468283,19.091871,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.468283,19.091871,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.468283,19.091871,-0.000000>,0.220000
<-5.468283,19.091871,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.468283,19.091871,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.468283,19.091871,-0.000000>,0.220000
<-6.468283,19.091871,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.468283,19.091871,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.468283,19.091871,-0.000000>,0.220000
<-5.392162,19.474554,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.392162,19.474554,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.620524,18.326504,-0.000000>,0.220000
<-3.327631,19.033611,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.327631,19.033611,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.327631,19.033611,-0.000000>,0.220000
<-3.710314,19.957491,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.710314,19.957491,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.710314,19.957491,-0.000000>,0.220000
<-4.417421,20.664598,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.417421,20.664598,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.417421,20.664598,-0.000000>,0.220000
<-5.124528,21.371704,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.124528,21.371704,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.710314,19.957491,-0.000000>,0.220000
<-4.092998,20.881371,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.092998,20.881371,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.092998,20.881371,-0.000000>,0.220000
<-4.092998,21.881371,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.092998,21.881371,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.092998,21.881371,-0.000000>,0.220000
<-4.092998,22.881371,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.092998,22.881371,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.092998,20.881371,-0.000000>,0.220000
<-4.475681,21.805250,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.475681,21.805250,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.327631,19.033611,-0.000000>,0.220000
<-4.034738,19.740719,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.034738,19.740719,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.034738,19.740719,-0.000000>,0.220000
<-4.958617,20.123402,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.958617,20.123402,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.958617,20.123402,-0.000000>,0.220000
<-5.958617,20.123402,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.958617,20.123402,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.958617,20.123402,-0.000000>,0.220000
<-6.958617,20.123402,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.958617,20.123402,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.958617,20.123402,-0.000000>,0.220000
<-5.882496,20.506084,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.882496,20.506084,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.882496,20.506084,-0.000000>,0.220000
<-6.589603,21.213192,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.589603,21.213192,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.589603,21.213192,-0.000000>,0.220000
<-7.296710,21.920298,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.296710,21.920298,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.882496,20.506084,-0.000000>,0.220000
<-6.806376,20.888769,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.806376,20.888769,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.806376,20.888769,-0.000000>,0.220000
<-7.806376,20.888769,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.806376,20.888769,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.806376,20.888769,-0.000000>,0.220000
<-8.806376,20.888769,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.806376,20.888769,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.806376,20.888769,-0.000000>,0.220000
<-9.730256,20.506084,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.730256,20.506084,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.730256,20.506084,-0.000000>,0.220000
<-10.654135,20.123402,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.654135,20.123402,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.806376,20.888769,-0.000000>,0.220000
<-9.806376,20.888769,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.806376,20.888769,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.806376,20.888769,-0.000000>,0.220000
<-7.730256,21.271452,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.730256,21.271452,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.034738,19.740719,-0.000000>,0.220000
<-4.741844,20.447824,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.741844,20.447824,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,17.619398,-0.000000>,0.220000
<-2.296101,18.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,18.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.000000,-0.000000>,0.220000
<0.000000,14.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,14.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.000000,-0.000000>,0.220000
<0.000000,15.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,15.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,15.000000,-0.000000>,0.220000
<-0.382683,15.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,15.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,15.923880,-0.000000>,0.220000
<-0.765367,16.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,16.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,15.000000,-0.000000>,0.220000
<0.000000,16.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,16.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.220000
<0.382683,16.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,16.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,16.923880,-0.000000>,0.220000
<0.765367,17.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,17.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,17.847759,-0.000000>,0.220000
<1.148050,18.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,18.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.220000
<0.000000,17.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,17.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,17.000000,-0.000000>,0.220000
<-0.382683,17.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,17.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,17.923880,-0.000000>,0.220000
<-0.765367,18.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,18.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,18.847759,-0.000000>,0.220000
<-1.148050,19.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,19.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,19.771639,-0.000000>,0.220000
<-1.855157,20.478745,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.855157,20.478745,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.855157,20.478745,-0.000000>,0.220000
<-2.562264,21.185852,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,21.185852,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.562264,21.185852,-0.000000>,0.220000
<-3.269371,21.892960,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,21.892960,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,19.771639,-0.000000>,0.220000
<-1.530734,20.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,20.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,17.000000,-0.000000>,0.220000
<0.382683,17.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,17.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,17.923880,-0.000000>,0.220000
<0.765367,18.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,18.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,18.847759,-0.000000>,0.220000
<1.472474,19.554867,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.472474,19.554867,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.472474,19.554867,-0.000000>,0.220000
<2.396353,19.937550,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.396353,19.937550,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.396353,19.937550,-0.000000>,0.220000
<3.320233,20.320232,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.320233,20.320232,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.320233,20.320232,-0.000000>,0.220000
<4.244112,20.702915,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.244112,20.702915,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.472474,19.554867,-0.000000>,0.220000
<2.179580,20.261972,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.179580,20.261972,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.179580,20.261972,-0.000000>,0.220000
<2.562264,21.185852,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.562264,21.185852,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.562264,21.185852,-0.000000>,0.220000
<2.944947,22.109732,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.944947,22.109732,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.944947,22.109732,-0.000000>,0.220000
<2.944947,23.109732,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.944947,23.109732,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.944947,23.109732,-0.000000>,0.220000
<2.944947,24.109732,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.944947,24.109732,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.944947,22.109732,-0.000000>,0.220000
<3.327631,23.033611,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.327631,23.033611,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.179580,20.261972,-0.000000>,0.220000
<2.886687,20.969080,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.886687,20.969080,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.886687,20.969080,-0.000000>,0.220000
<3.810567,21.351763,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.810567,21.351763,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.810567,21.351763,-0.000000>,0.220000
<4.734446,21.734446,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.734446,21.734446,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.734446,21.734446,-0.000000>,0.220000
<5.441553,22.441553,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.441553,22.441553,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.441553,22.441553,-0.000000>,0.220000
<6.148660,23.148661,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.148660,23.148661,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.734446,21.734446,-0.000000>,0.220000
<5.658326,22.117130,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.658326,22.117130,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.658326,22.117130,-0.000000>,0.220000
<6.658326,22.117130,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.658326,22.117130,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.658326,22.117130,-0.000000>,0.220000
<7.658326,22.117130,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.658326,22.117130,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.658326,22.117130,-0.000000>,0.220000
<8.658326,22.117130,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.658326,22.117130,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.658326,22.117130,-0.000000>,0.220000
<6.582205,22.499813,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.582205,22.499813,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.886687,20.969080,-0.000000>,0.220000
<3.593794,21.676186,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.593794,21.676186,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,18.847759,-0.000000>,0.220000
<1.148050,19.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,19.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,19.771639,-0.000000>,0.220000
<1.530734,20.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,20.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,20.695518,-0.000000>,0.220000
<1.913417,21.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,21.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,21.619398,-0.000000>,0.220000
<1.913417,22.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,22.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,22.619398,-0.000000>,0.220000
<1.913417,23.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,23.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,23.619398,-0.000000>,0.220000
<1.913417,24.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,24.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,21.619398,-0.000000>,0.220000
<1.913417,22.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,22.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,22.619398,-0.000000>,0.220000
<2.296101,23.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,23.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,23.543278,-0.000000>,0.220000
<2.678784,24.467157,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,24.467157,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,24.467157,-0.000000>,0.220000
<2.678784,25.467157,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,25.467157,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,25.467157,-0.000000>,0.220000
<2.678784,26.467157,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,26.467157,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,24.467157,-0.000000>,0.220000
<3.061467,25.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,25.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,25.391037,-0.000000>,0.220000
<3.768574,26.098143,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.768574,26.098143,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.768574,26.098143,-0.000000>,0.220000
<4.475681,26.805250,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.475681,26.805250,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.475681,26.805250,-0.000000>,0.220000
<5.182788,27.512356,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.182788,27.512356,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,25.391037,-0.000000>,0.220000
<3.444151,26.314917,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,26.314917,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,22.619398,-0.000000>,0.220000
<1.913417,23.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,23.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,23.619398,-0.000000>,0.220000
<1.913417,24.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,24.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,24.619398,-0.000000>,0.220000
<1.530734,25.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,25.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,25.543278,-0.000000>,0.220000
<1.530734,26.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,26.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,26.543278,-0.000000>,0.220000
<1.530734,27.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,27.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,27.543278,-0.000000>,0.220000
<1.530734,28.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,28.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,25.543278,-0.000000>,0.220000
<1.148050,26.467157,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,26.467157,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,26.467157,-0.000000>,0.220000
<0.440944,27.174263,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,27.174263,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.440944,27.174263,-0.000000>,0.220000
<-0.266163,27.881371,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.266163,27.881371,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.266163,27.881371,-0.000000>,0.220000
<-1.190043,28.264053,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.190043,28.264053,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.190043,28.264053,-0.000000>,0.220000
<-2.113922,28.646738,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.113922,28.646738,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.266163,27.881371,-0.000000>,0.220000
<-0.973270,28.588476,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.973270,28.588476,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,26.467157,-0.000000>,0.220000
<0.765367,27.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,27.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,24.619398,-0.000000>,0.220000
<1.913417,25.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,25.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,21.619398,-0.000000>,0.220000
<2.296101,22.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,22.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,22.543278,-0.000000>,0.220000
<2.678784,23.467157,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,23.467157,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,23.467157,-0.000000>,0.220000
<3.061467,24.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,24.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,24.391037,-0.000000>,0.220000
<3.061467,25.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,25.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,25.391037,-0.000000>,0.220000
<3.061467,26.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,26.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,26.391037,-0.000000>,0.220000
<3.061467,27.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,27.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,24.391037,-0.000000>,0.220000
<3.768574,25.098143,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.768574,25.098143,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.768574,25.098143,-0.000000>,0.220000
<4.692454,25.480827,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.692454,25.480827,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.692454,25.480827,-0.000000>,0.220000
<5.616333,25.863510,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.616333,25.863510,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.616333,25.863510,-0.000000>,0.220000
<6.323440,26.570616,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.323440,26.570616,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.323440,26.570616,-0.000000>,0.220000
<7.030547,27.277723,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.030547,27.277723,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.616333,25.863510,-0.000000>,0.220000
<6.540213,26.246193,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.540213,26.246193,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.540213,26.246193,-0.000000>,0.220000
<7.540213,26.246193,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.540213,26.246193,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.540213,26.246193,-0.000000>,0.220000
<8.540213,26.246193,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.540213,26.246193,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.540213,26.246193,-0.000000>,0.220000
<9.540213,26.246193,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.540213,26.246193,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.540213,26.246193,-0.000000>,0.220000
<7.464092,26.628878,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.464092,26.628878,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.768574,25.098143,-0.000000>,0.220000
<4.475681,25.805250,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.475681,25.805250,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.475681,25.805250,-0.000000>,0.220000
<5.182788,26.512356,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.182788,26.512356,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.182788,26.512356,-0.000000>,0.220000
<5.565471,27.436235,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.565471,27.436235,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.565471,27.436235,-0.000000>,0.220000
<6.272578,28.143343,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.272578,28.143343,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.272578,28.143343,-0.000000>,0.220000
<6.979685,28.850451,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.979685,28.850451,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.979685,28.850451,-0.000000>,0.220000
<7.686791,29.557556,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.686791,29.557556,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.565471,27.436235,-0.000000>,0.220000
<5.948154,28.360115,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.948154,28.360115,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.948154,28.360115,-0.000000>,0.220000
<5.948154,29.360115,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.948154,29.360115,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.948154,29.360115,-0.000000>,0.220000
<5.948154,30.360115,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.948154,30.360115,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.948154,30.360115,-0.000000>,0.220000
<5.565471,31.283995,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.565471,31.283995,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.565471,31.283995,-0.000000>,0.220000
<5.182788,32.207874,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.182788,32.207874,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.948154,30.360115,-0.000000>,0.220000
<5.948154,31.360115,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.948154,31.360115,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.948154,28.360115,-0.000000>,0.220000
<6.330838,29.283995,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.330838,29.283995,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.182788,26.512356,-0.000000>,0.220000
<5.889894,27.219463,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.889894,27.219463,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.889894,27.219463,-0.000000>,0.220000
<6.597002,27.926571,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.597002,27.926571,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.597002,27.926571,-0.000000>,0.220000
<7.520881,28.309254,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.520881,28.309254,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.520881,28.309254,-0.000000>,0.220000
<8.520881,28.309254,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.520881,28.309254,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.520881,28.309254,-0.000000>,0.220000
<9.520881,28.309254,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.520881,28.309254,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.520881,28.309254,-0.000000>,0.220000
<10.520881,28.309254,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.520881,28.309254,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.520881,28.309254,-0.000000>,0.220000
<8.444760,28.691936,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.444760,28.691936,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.444760,28.691936,-0.000000>,0.220000
<9.151867,29.399044,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.151867,29.399044,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.151867,29.399044,-0.000000>,0.220000
<9.858974,30.106150,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.858974,30.106150,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.858974,30.106150,-0.000000>,0.220000
<10.241657,31.030029,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.241657,31.030029,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.241657,31.030029,-0.000000>,0.220000
<10.624341,31.953909,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.624341,31.953909,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.858974,30.106150,-0.000000>,0.220000
<10.566081,30.813257,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.566081,30.813257,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.444760,28.691936,-0.000000>,0.220000
<9.368640,29.074621,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.368640,29.074621,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.368640,29.074621,-0.000000>,0.220000
<10.368640,29.074621,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.368640,29.074621,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.368640,29.074621,-0.000000>,0.220000
<11.368640,29.074621,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.368640,29.074621,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.368640,29.074621,-0.000000>,0.220000
<12.292520,29.457304,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.292520,29.457304,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.292520,29.457304,-0.000000>,0.220000
<13.216399,29.839987,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.216399,29.839987,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.368640,29.074621,-0.000000>,0.220000
<12.368640,29.074621,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.368640,29.074621,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.368640,29.074621,-0.000000>,0.220000
<13.292520,28.691936,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.292520,28.691936,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.292520,28.691936,-0.000000>,0.220000
<14.216399,28.309254,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.216399,28.309254,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.216399,28.309254,-0.000000>,0.220000
<15.140279,27.926571,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.140279,27.926571,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.368640,29.074621,-0.000000>,0.220000
<13.368640,29.074621,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.368640,29.074621,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.368640,29.074621,-0.000000>,0.220000
<10.292520,29.457304,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.292520,29.457304,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.597002,27.926571,-0.000000>,0.220000
<7.304108,28.633677,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.304108,28.633677,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,24.391037,-0.000000>,0.220000
<3.444151,25.314917,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,25.314917,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,17.000000,-0.000000>,0.220000
<0.000000,18.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,18.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.220000
<0.000000,19.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,19.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.220000
<-0.382683,19.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,19.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,19.923880,-0.000000>,0.220000
<-0.765367,20.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,20.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.220000
<0.000000,20.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,20.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.220000
<0.382683,20.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,20.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,20.923880,-0.000000>,0.220000
<0.765367,21.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,21.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,21.847759,-0.000000>,0.220000
<1.148050,22.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,22.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.220000
<0.000000,21.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,21.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.220000
<-0.382683,21.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,21.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,21.923880,-0.000000>,0.220000
<-0.765367,22.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,22.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,22.847759,-0.000000>,0.220000
<-1.148050,23.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,23.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,23.771639,-0.000000>,0.220000
<-1.855157,24.478745,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.855157,24.478745,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.855157,24.478745,-0.000000>,0.220000
<-2.562264,25.185852,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,25.185852,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.562264,25.185852,-0.000000>,0.220000
<-3.269371,25.892960,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,25.892960,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,23.771639,-0.000000>,0.220000
<-1.530734,24.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,24.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.220000
<0.000000,22.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,22.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,0.220000
<0.000000,23.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,23.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,23.000000,-0.000000>,0.220000
<0.382683,23.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,23.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,23.923880,-0.000000>,0.220000
<1.089790,24.630987,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.089790,24.630987,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.089790,24.630987,-0.000000>,0.220000
<1.796897,25.338093,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.796897,25.338093,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,23.923880,-0.000000>,0.220000
<0.765367,24.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,24.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,24.847759,-0.000000>,0.220000
<0.765367,25.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,25.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,25.847759,-0.000000>,0.220000
<0.765367,26.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,26.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,26.847759,-0.000000>,0.220000
<0.765367,27.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,27.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,24.847759,-0.000000>,0.220000
<1.148050,25.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,25.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,25.771639,-0.000000>,0.220000
<1.855157,26.478745,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,26.478745,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855157,26.478745,-0.000000>,0.220000
<2.562264,27.185852,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.562264,27.185852,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.562264,27.185852,-0.000000>,0.220000
<3.269371,27.892960,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.269371,27.892960,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.269371,27.892960,-0.000000>,0.220000
<4.193250,28.275642,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.193250,28.275642,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.193250,28.275642,-0.000000>,0.220000
<5.117130,28.658325,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.117130,28.658325,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.269371,27.892960,-0.000000>,0.220000
<3.976477,28.600065,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.976477,28.600065,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,25.771639,-0.000000>,0.220000
<1.530734,26.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,26.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,23.000000,-0.000000>,0.220000
<-0.382683,23.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,23.923880,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,23.923880,-0.000000>,0.220000
<-0.765367,24.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,24.847759,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,24.847759,-0.000000>,0.220000
<-1.148050,25.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,25.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,25.771639,-0.000000>,0.220000
<-1.148050,26.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,26.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,26.771639,-0.000000>,0.220000
<-1.148050,27.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,27.771639,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,25.771639,-0.000000>,0.220000
<-1.855157,26.478745,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.855157,26.478745,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.855157,26.478745,-0.000000>,0.220000
<-2.779037,26.861429,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.779037,26.861429,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.779037,26.861429,-0.000000>,0.220000
<-3.702916,27.244112,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.702916,27.244112,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.702916,27.244112,-0.000000>,0.220000
<-4.626796,27.626795,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.626796,27.626795,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.626796,27.626795,-0.000000>,0.220000
<-5.626796,27.626795,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.626796,27.626795,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.626796,27.626795,-0.000000>,0.220000
<-6.626796,27.626795,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.626796,27.626795,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.626796,27.626795,-0.000000>,0.220000
<-7.626796,27.626795,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.626796,27.626795,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.626796,27.626795,-0.000000>,0.220000
<-5.550675,28.009480,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.550675,28.009480,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.855157,26.478745,-0.000000>,0.220000
<-2.562264,27.185852,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,27.185852,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.562264,27.185852,-0.000000>,0.220000
<-3.269371,27.892960,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,27.892960,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.269371,27.892960,-0.000000>,0.220000
<-3.652054,28.816839,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.652054,28.816839,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.652054,28.816839,-0.000000>,0.220000
<-4.359161,29.523945,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,29.523945,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,29.523945,-0.000000>,0.220000
<-5.066267,30.231052,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.066267,30.231052,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.066267,30.231052,-0.000000>,0.220000
<-5.773375,30.938158,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.773375,30.938158,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.652054,28.816839,-0.000000>,0.220000
<-4.034738,29.740719,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.034738,29.740719,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.034738,29.740719,-0.000000>,0.220000
<-4.034738,30.740719,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.034738,30.740719,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.034738,30.740719,-0.000000>,0.220000
<-4.034738,31.740719,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.034738,31.740719,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.034738,31.740719,-0.000000>,0.220000
<-4.034738,32.740719,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.034738,32.740719,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.034738,29.740719,-0.000000>,0.220000
<-4.417421,30.664598,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.417421,30.664598,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.269371,27.892960,-0.000000>,0.220000
<-3.976477,28.600065,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,28.600065,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,28.600065,-0.000000>,0.220000
<-4.683584,29.307173,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.683584,29.307173,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.683584,29.307173,-0.000000>,0.220000
<-5.607464,29.689856,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.607464,29.689856,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.607464,29.689856,-0.000000>,0.220000
<-6.607464,29.689856,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.607464,29.689856,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.607464,29.689856,-0.000000>,0.220000
<-7.607464,29.689856,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.607464,29.689856,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.607464,29.689856,-0.000000>,0.220000
<-8.607464,29.689856,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.607464,29.689856,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.607464,29.689856,-0.000000>,0.220000
<-6.531343,30.072540,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.531343,30.072540,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.531343,30.072540,-0.000000>,0.220000
<-7.238450,30.779646,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.238450,30.779646,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.238450,30.779646,-0.000000>,0.220000
<-7.945557,31.486753,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.945557,31.486753,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.945557,31.486753,-0.000000>,0.220000
<-8.652663,32.193859,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.652663,32.193859,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.531343,30.072540,-0.000000>,0.220000
<-7.455223,30.455223,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.455223,30.455223,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.455223,30.455223,-0.000000>,0.220000
<-8.455223,30.455223,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.455223,30.455223,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.455223,30.455223,-0.000000>,0.220000
<-9.455223,30.455223,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.455223,30.455223,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.455223,30.455223,-0.000000>,0.220000
<-10.455223,30.455223,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.455223,30.455223,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.455223,30.455223,-0.000000>,0.220000
<-11.379103,30.072540,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.379103,30.072540,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.379103,30.072540,-0.000000>,0.220000
<-12.302982,29.689856,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.302982,29.689856,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.302982,29.689856,-0.000000>,0.220000
<-13.226861,29.307173,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.226861,29.307173,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.455223,30.455223,-0.000000>,0.220000
<-11.455223,30.455223,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.455223,30.455223,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.455223,30.455223,-0.000000>,0.220000
<-8.379103,30.837906,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.379103,30.837906,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.683584,29.307173,-0.000000>,0.220000
<-5.390691,30.014278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.390691,30.014278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,25.771639,-0.000000>,0.220000
<-1.530734,26.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,26.695518,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,26.695518,-0.000000>,0.220000
<-1.913417,27.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,27.619398,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,27.619398,-0.000000>,0.220000
<-2.296101,28.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,28.543278,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,28.543278,-0.000000>,0.220000
<-3.003207,29.250383,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.003207,29.250383,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.003207,29.250383,-0.000000>,0.220000
<-3.710314,29.957491,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.710314,29.957491,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.710314,29.957491,-0.000000>,0.220000
<-4.417421,30.664598,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.417421,30.664598,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,28.543278,-0.000000>,0.220000
<-2.678784,29.467157,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,29.467157,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,29.467157,-0.000000>,0.220000
<-2.678784,30.467157,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,30.467157,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,30.467157,-0.000000>,0.220000
<-2.678784,31.467157,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,31.467157,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,31.467157,-0.000000>,0.220000
<-2.678784,32.467155,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,32.467155,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,32.467155,-0.000000>,0.220000
<-2.296101,33.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,33.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,33.391037,-0.000000>,0.220000
<-1.913417,34.314915,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,34.314915,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,32.467155,-0.000000>,0.220000
<-2.678784,33.467155,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,33.467155,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,29.467157,-0.000000>,0.220000
<-2.678784,30.467157,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,30.467157,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,30.467157,-0.000000>,0.220000
<-2.678784,31.467157,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,31.467157,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,31.467157,-0.000000>,0.220000
<-3.061467,32.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,32.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,32.391037,-0.000000>,0.220000
<-3.768574,33.098145,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.768574,33.098145,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.768574,33.098145,-0.000000>,0.220000
<-4.475681,33.805248,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.475681,33.805248,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.475681,33.805248,-0.000000>,0.220000
<-5.182788,34.512356,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.182788,34.512356,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,32.391037,-0.000000>,0.220000
<-3.444151,33.314915,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,33.314915,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,33.314915,-0.000000>,0.220000
<-3.444151,34.314915,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,34.314915,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,34.314915,-0.000000>,0.220000
<-3.444151,35.314915,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,35.314915,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,35.314915,-0.000000>,0.220000
<-3.444151,36.314915,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,36.314915,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,33.314915,-0.000000>,0.220000
<-3.826834,34.238796,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,34.238796,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,34.238796,-0.000000>,0.220000
<-4.533941,34.945904,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.533941,34.945904,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.533941,34.945904,-0.000000>,0.220000
<-5.241048,35.653008,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.241048,35.653008,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.241048,35.653008,-0.000000>,0.220000
<-5.948154,36.360115,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.948154,36.360115,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.948154,36.360115,-0.000000>,0.220000
<-6.872034,36.742798,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.872034,36.742798,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.872034,36.742798,-0.000000>,0.220000
<-7.795914,37.125481,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.795914,37.125481,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.795914,37.125481,-0.000000>,0.220000
<-8.719793,37.508167,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.719793,37.508167,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.948154,36.360115,-0.000000>,0.220000
<-6.655262,37.067223,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.655262,37.067223,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,34.238796,-0.000000>,0.220000
<-4.209518,35.162674,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,35.162674,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,31.467157,-0.000000>,0.220000
<-2.678784,32.467155,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,32.467155,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,32.467155,-0.000000>,0.220000
<-2.678784,33.467155,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,33.467155,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,33.467155,-0.000000>,0.220000
<-2.678784,34.467155,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,34.467155,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,34.467155,-0.000000>,0.220000
<-2.296101,35.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,35.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,35.391037,-0.000000>,0.220000
<-1.913417,36.314915,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,36.314915,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,34.467155,-0.000000>,0.220000
<-2.296101,35.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,35.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,35.391037,-0.000000>,0.220000
<-2.296101,36.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,36.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,36.391037,-0.000000>,0.220000
<-2.296101,37.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,37.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,37.391037,-0.000000>,0.220000
<-2.296101,38.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,38.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,38.391037,-0.000000>,0.220000
<-2.678784,39.314915,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,39.314915,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,39.314915,-0.000000>,0.220000
<-3.061467,40.238796,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,40.238796,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,40.238796,-0.000000>,0.220000
<-3.444151,41.162674,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,41.162674,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,38.391037,-0.000000>,0.220000
<-2.296101,39.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,39.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,35.391037,-0.000000>,0.220000
<-1.913417,36.314915,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,36.314915,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,36.314915,-0.000000>,0.220000
<-1.530734,37.238796,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,37.238796,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,37.238796,-0.000000>,0.220000
<-0.823627,37.945904,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.823627,37.945904,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.823627,37.945904,-0.000000>,0.220000
<-0.440944,38.869781,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.440944,38.869781,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.440944,38.869781,-0.000000>,0.220000
<-0.058260,39.793663,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.058260,39.793663,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.058260,39.793663,-0.000000>,0.220000
<0.324423,40.717541,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.324423,40.717541,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.823627,37.945904,-0.000000>,0.220000
<-0.116520,38.653008,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.116520,38.653008,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.116520,38.653008,-0.000000>,0.220000
<0.807359,39.035694,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.807359,39.035694,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.807359,39.035694,-0.000000>,0.220000
<1.731239,39.418377,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.731239,39.418377,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.731239,39.418377,-0.000000>,0.220000
<2.655118,39.801060,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.655118,39.801060,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.116520,38.653008,-0.000000>,0.220000
<0.590587,39.360115,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.590587,39.360115,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,37.238796,-0.000000>,0.220000
<-1.148050,38.162674,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,38.162674,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,34.467155,-0.000000>,0.220000
<-2.678784,35.467155,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,35.467155,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,29.467157,-0.000000>,0.220000
<-3.061467,30.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,30.391037,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,30.391037,-0.000000>,0.220000
<-3.444151,31.314917,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,31.314917,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,31.314917,-0.000000>,0.220000
<-3.826834,32.238796,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,32.238796,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,32.238796,-0.000000>,0.220000
<-4.533941,32.945904,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.533941,32.945904,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.533941,32.945904,-0.000000>,0.220000
<-5.241048,33.653008,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.241048,33.653008,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,32.238796,-0.000000>,0.220000
<-4.209518,33.162674,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,33.162674,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,33.162674,-0.000000>,0.220000
<-4.209518,34.162674,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,34.162674,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,34.162674,-0.000000>,0.220000
<-4.209518,35.162674,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,35.162674,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,35.162674,-0.000000>,0.220000
<-4.209518,36.162674,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,36.162674,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,36.162674,-0.000000>,0.220000
<-3.826834,37.086555,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,37.086555,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,37.086555,-0.000000>,0.220000
<-3.444151,38.010433,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,38.010433,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,36.162674,-0.000000>,0.220000
<-4.209518,37.162674,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,37.162674,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,33.162674,-0.000000>,0.220000
<-4.916625,33.869781,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.916625,33.869781,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.916625,33.869781,-0.000000>,0.220000
<-5.623731,34.576889,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.623731,34.576889,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.623731,34.576889,-0.000000>,0.220000
<-6.547611,34.959572,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.547611,34.959572,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.547611,34.959572,-0.000000>,0.220000
<-7.547611,34.959572,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.547611,34.959572,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.547611,34.959572,-0.000000>,0.220000
<-8.547611,34.959572,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.547611,34.959572,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.547611,34.959572,-0.000000>,0.220000
<-9.547611,34.959572,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.547611,34.959572,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.547611,34.959572,-0.000000>,0.220000
<-7.471490,35.342255,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.471490,35.342255,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.471490,35.342255,-0.000000>,0.220000
<-8.178597,36.049362,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.178597,36.049362,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.178597,36.049362,-0.000000>,0.220000
<-8.885704,36.756470,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.885704,36.756470,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.885704,36.756470,-0.000000>,0.220000
<-9.592811,37.463577,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.592811,37.463577,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.471490,35.342255,-0.000000>,0.220000
<-8.395370,35.724937,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.395370,35.724937,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.395370,35.724937,-0.000000>,0.220000
<-9.395370,35.724937,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.395370,35.724937,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.395370,35.724937,-0.000000>,0.220000
<-10.395370,35.724937,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.395370,35.724937,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.395370,35.724937,-0.000000>,0.220000
<-11.395370,35.724937,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.395370,35.724937,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.395370,35.724937,-0.000000>,0.220000
<-12.319249,35.342255,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.319249,35.342255,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.319249,35.342255,-0.000000>,0.220000
<-13.243129,34.959572,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.243129,34.959572,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.243129,34.959572,-0.000000>,0.220000
<-14.167008,34.576889,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.167008,34.576889,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.395370,35.724937,-0.000000>,0.220000
<-12.395370,35.724937,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.395370,35.724937,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.395370,35.724937,-0.000000>,0.220000
<-9.319249,36.107624,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.319249,36.107624,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.623731,34.576889,-0.000000>,0.220000
<-6.330838,35.283997,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.330838,35.283997,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.330838,35.283997,-0.000000>,0.220000
<-7.037945,35.991100,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.037945,35.991100,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.037945,35.991100,-0.000000>,0.220000
<-7.745052,36.698208,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.745052,36.698208,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.745052,36.698208,-0.000000>,0.220000
<-8.127735,37.622089,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.127735,37.622089,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.127735,37.622089,-0.000000>,0.220000
<-8.510419,38.545967,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.510419,38.545967,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.745052,36.698208,-0.000000>,0.220000
<-8.127735,37.622089,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.127735,37.622089,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.127735,37.622089,-0.000000>,0.220000
<-8.834842,38.329197,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.834842,38.329197,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.834842,38.329197,-0.000000>,0.220000
<-9.541948,39.036301,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.541948,39.036301,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.541948,39.036301,-0.000000>,0.220000
<-10.249056,39.743408,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.249056,39.743408,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.249056,39.743408,-0.000000>,0.220000
<-11.172935,40.126091,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.172935,40.126091,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.172935,40.126091,-0.000000>,0.220000
<-12.096814,40.508774,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.096814,40.508774,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.096814,40.508774,-0.000000>,0.220000
<-13.020694,40.891460,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.020694,40.891460,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.249056,39.743408,-0.000000>,0.220000
<-10.956162,40.450516,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.956162,40.450516,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.127735,37.622089,-0.000000>,0.220000
<-8.510419,38.545967,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.510419,38.545967,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.510419,38.545967,-0.000000>,0.220000
<-8.893102,39.469849,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.893102,39.469849,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.893102,39.469849,-0.000000>,0.220000
<-8.893102,40.469849,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.893102,40.469849,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.893102,40.469849,-0.000000>,0.220000
<-9.275785,41.393726,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.275785,41.393726,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.275785,41.393726,-0.000000>,0.220000
<-9.658469,42.317608,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.658469,42.317608,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.658469,42.317608,-0.000000>,0.220000
<-10.041152,43.241486,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.041152,43.241486,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.893102,40.469849,-0.000000>,0.220000
<-8.893102,41.469849,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.893102,41.469849,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.893102,41.469849,-0.000000>,0.220000
<-8.510419,42.393726,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.510419,42.393726,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.510419,42.393726,-0.000000>,0.220000
<-8.127735,43.317608,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.127735,43.317608,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.127735,43.317608,-0.000000>,0.220000
<-7.745052,44.241486,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.745052,44.241486,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.893102,41.469849,-0.000000>,0.220000
<-8.893102,42.469849,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.893102,42.469849,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.893102,39.469849,-0.000000>,0.220000
<-9.275785,40.393726,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.275785,40.393726,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.745052,36.698208,-0.000000>,0.220000
<-8.452158,37.405315,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.452158,37.405315,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.452158,37.405315,-0.000000>,0.220000
<-9.159266,38.112423,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.159266,38.112423,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.159266,38.112423,-0.000000>,0.220000
<-9.866372,38.819530,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.866372,38.819530,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.866372,38.819530,-0.000000>,0.220000
<-10.249056,39.743408,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.249056,39.743408,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.249056,39.743408,-0.000000>,0.220000
<-10.631739,40.667290,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.631739,40.667290,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.866372,38.819530,-0.000000>,0.220000
<-10.790252,39.202213,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.790252,39.202213,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.790252,39.202213,-0.000000>,0.220000
<-11.790252,39.202213,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.790252,39.202213,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.790252,39.202213,-0.000000>,0.220000
<-12.790252,39.202213,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.790252,39.202213,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.790252,39.202213,-0.000000>,0.220000
<-13.790252,39.202213,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.790252,39.202213,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.790252,39.202213,-0.000000>,0.220000
<-14.714131,38.819530,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.714131,38.819530,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.714131,38.819530,-0.000000>,0.220000
<-15.638011,38.436844,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.638011,38.436844,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.638011,38.436844,-0.000000>,0.220000
<-16.561890,38.054161,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.561890,38.054161,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.790252,39.202213,-0.000000>,0.220000
<-14.790252,39.202213,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.790252,39.202213,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.790252,39.202213,-0.000000>,0.220000
<-11.714131,39.584896,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.714131,39.584896,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.714131,39.584896,-0.000000>,0.220000
<-12.638011,39.967579,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.638011,39.967579,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.638011,39.967579,-0.000000>,0.220000
<-13.345118,40.674686,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.345118,40.674686,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.345118,40.674686,-0.000000>,0.220000
<-14.268997,41.057369,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.268997,41.057369,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.268997,41.057369,-0.000000>,0.220000
<-15.192877,41.440052,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.192877,41.440052,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.192877,41.440052,-0.000000>,0.220000
<-16.116756,41.822735,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.116756,41.822735,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.345118,40.674686,-0.000000>,0.220000
<-14.052224,41.381794,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.052224,41.381794,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.052224,41.381794,-0.000000>,0.220000
<-14.434908,42.305672,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.434908,42.305672,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.434908,42.305672,-0.000000>,0.220000
<-14.817591,43.229553,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.817591,43.229553,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.817591,43.229553,-0.000000>,0.220000
<-15.200274,44.153431,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.200274,44.153431,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.052224,41.381794,-0.000000>,0.220000
<-14.759331,42.088902,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.759331,42.088902,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.638011,39.967579,-0.000000>,0.220000
<-13.561891,40.350262,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.561891,40.350262,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.561891,40.350262,-0.000000>,0.220000
<-14.485769,40.732944,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.485769,40.732944,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.485769,40.732944,-0.000000>,0.220000
<-15.485769,40.732944,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.485769,40.732944,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.485769,40.732944,-0.000000>,0.220000
<-16.409649,40.350262,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.409649,40.350262,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.409649,40.350262,-0.000000>,0.220000
<-17.333529,39.967579,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.333529,39.967579,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.333529,39.967579,-0.000000>,0.220000
<-18.257408,39.584896,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.257408,39.584896,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.485769,40.732944,-0.000000>,0.220000
<-16.485769,40.732944,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.485769,40.732944,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.485769,40.732944,-0.000000>,0.220000
<-17.409649,41.115631,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.409649,41.115631,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.409649,41.115631,-0.000000>,0.220000
<-18.333529,41.498314,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.333529,41.498314,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.333529,41.498314,-0.000000>,0.220000
<-19.257408,41.880997,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.257408,41.880997,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.485769,40.732944,-0.000000>,0.220000
<-17.485769,40.732944,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.485769,40.732944,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.485769,40.732944,-0.000000>,0.220000
<-18.409649,40.350262,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.409649,40.350262,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.409649,40.350262,-0.000000>,0.220000
<-19.333529,39.967579,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.333529,39.967579,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.333529,39.967579,-0.000000>,0.220000
<-20.257408,39.584896,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.257408,39.584896,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.257408,39.584896,-0.000000>,0.220000
<-20.964516,38.877789,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.964516,38.877789,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.964516,38.877789,-0.000000>,0.220000
<-21.671621,38.170681,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.671621,38.170681,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.671621,38.170681,-0.000000>,0.220000
<-22.378729,37.463577,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.378729,37.463577,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.257408,39.584896,-0.000000>,0.220000
<-21.181288,39.202213,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.181288,39.202213,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.485769,40.732944,-0.000000>,0.220000
<-18.485769,40.732944,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.485769,40.732944,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.485769,40.732944,-0.000000>,0.220000
<-15.409649,41.115631,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.409649,41.115631,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.866372,38.819530,-0.000000>,0.220000
<-10.573479,39.526634,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.573479,39.526634,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,33.162674,-0.000000>,0.220000
<-4.592201,34.086555,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,34.086555,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,23.000000,-0.000000>,0.220000
<0.000000,24.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,24.000000,-0.000000>,0.220000
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, 25.990564, 51.981129>
look_at   <0, 25.990564,  0>
}
