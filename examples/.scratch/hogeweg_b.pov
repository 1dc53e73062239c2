#include "colors.inc"
light_source { <236.827087, 236.827087, 236.827087> color White}

cone {
<0.000000,0.000000,-0.000000>,0.100000
<0.000000,1.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,1.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,1.000000,-0.000000>,0.500000
<0.000000,2.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,2.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,2.000000,-0.000000>,0.500000
<0.000000,3.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,3.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,3.000000,-0.000000>,0.500000
<0.000000,4.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,4.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.500000
<-0.382683,4.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,4.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,4.923880,-0.000000>,0.500000
<-0.765367,5.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,5.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,5.847759,-0.000000>,0.500000
<-1.148050,6.771638,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,6.771638,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.500000
<0.000000,5.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,5.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,5.000000,-0.000000>,0.500000
<0.382683,5.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,5.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,5.923880,-0.000000>,0.500000
<0.765367,6.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,6.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,6.847759,-0.000000>,0.500000
<1.148050,7.771638,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,7.771638,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,7.771638,-0.000000>,0.500000
<1.855157,8.478745,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,8.478745,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855157,8.478745,-0.000000>,0.500000
<2.562264,9.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.562264,9.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,7.771638,-0.000000>,0.500000
<1.530734,8.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,8.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,5.000000,-0.000000>,0.500000
<0.000000,6.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,6.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.500000
<0.000000,7.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,7.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,7.000000,-0.000000>,0.500000
<-0.382683,7.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,7.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,7.923880,-0.000000>,0.500000
<-0.765367,8.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,8.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,8.847759,-0.000000>,0.500000
<-0.765367,9.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,9.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,9.847759,-0.000000>,0.500000
<-0.765367,10.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,10.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,8.847759,-0.000000>,0.500000
<-1.148050,9.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,9.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,9.771639,-0.000000>,0.500000
<-1.855157,10.478745,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.855157,10.478745,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.855157,10.478745,-0.000000>,0.500000
<-2.562264,11.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,11.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.562264,11.185852,-0.000000>,0.500000
<-3.486143,11.568536,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.486143,11.568536,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.486143,11.568536,-0.000000>,0.500000
<-4.410023,11.951219,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.410023,11.951219,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.562264,11.185852,-0.000000>,0.500000
<-3.269371,11.892959,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,11.892959,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,9.771639,-0.000000>,0.500000
<-1.530734,10.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,10.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,7.000000,-0.000000>,0.500000
<0.000000,8.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,8.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.500000
<0.000000,9.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,9.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,9.000000,-0.000000>,0.500000
<0.000000,10.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,10.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.500000
<0.382683,10.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,10.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,10.923880,-0.000000>,0.500000
<0.765367,11.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,11.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.500000
<0.382683,10.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,10.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,10.923880,-0.000000>,0.500000
<0.765367,11.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,11.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,11.847759,-0.000000>,0.500000
<1.148050,12.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,12.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,12.771639,-0.000000>,0.500000
<1.148050,13.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,13.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,13.771639,-0.000000>,0.500000
<0.765367,14.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,14.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,14.695518,-0.000000>,0.500000
<0.382683,15.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,15.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,15.619398,-0.000000>,0.500000
<0.000000,16.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,16.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,13.771639,-0.000000>,0.500000
<1.148050,14.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,14.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,12.771639,-0.000000>,0.500000
<1.530734,13.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,13.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,13.695518,-0.000000>,0.500000
<2.237840,14.402625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.237840,14.402625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.237840,14.402625,-0.000000>,0.500000
<2.944947,15.109732,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.944947,15.109732,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.944947,15.109732,-0.000000>,0.500000
<3.327631,16.033611,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.327631,16.033611,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.327631,16.033611,-0.000000>,0.500000
<3.710314,16.957491,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,16.957491,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.944947,15.109732,-0.000000>,0.500000
<3.652054,15.816838,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.652054,15.816838,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.652054,15.816838,-0.000000>,0.500000
<4.575933,16.199522,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.575933,16.199522,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.575933,16.199522,-0.000000>,0.500000
<5.499813,16.582205,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.499813,16.582205,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.499813,16.582205,-0.000000>,0.500000
<6.423693,16.964890,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.423693,16.964890,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.652054,15.816838,-0.000000>,0.500000
<4.359161,16.523945,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.359161,16.523945,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,13.695518,-0.000000>,0.500000
<1.913417,14.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,14.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.500000
<0.000000,11.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,11.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,11.000000,-0.000000>,0.500000
<0.000000,12.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,12.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.500000
<0.000000,13.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,13.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.000000,-0.000000>,0.500000
<0.382683,13.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,13.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,13.923880,-0.000000>,0.500000
<0.765367,14.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,14.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.000000,-0.000000>,0.500000
<0.000000,14.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,14.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.000000,-0.000000>,0.500000
<-0.382683,14.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,14.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,14.923880,-0.000000>,0.500000
<-0.765367,15.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,15.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,15.847759,-0.000000>,0.500000
<-1.472474,16.554867,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.472474,16.554867,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.472474,16.554867,-0.000000>,0.500000
<-2.179580,17.261972,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,17.261972,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,15.847759,-0.000000>,0.500000
<-1.148050,16.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,16.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.000000,-0.000000>,0.500000
<-0.382683,14.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,14.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,14.923880,-0.000000>,0.500000
<-0.765367,15.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,15.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,15.847759,-0.000000>,0.500000
<-1.148050,16.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,16.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,16.771639,-0.000000>,0.500000
<-1.530734,17.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,17.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,17.695518,-0.000000>,0.500000
<-2.237840,18.402624,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.237840,18.402624,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.237840,18.402624,-0.000000>,0.500000
<-3.161720,18.785309,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.161720,18.785309,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.161720,18.785309,-0.000000>,0.500000
<-4.085599,19.167992,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.085599,19.167992,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.237840,18.402624,-0.000000>,0.500000
<-2.944947,19.109732,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.944947,19.109732,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,17.695518,-0.000000>,0.500000
<-1.530734,18.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,18.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,18.695518,-0.000000>,0.500000
<-1.148050,19.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,19.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,19.619398,-0.000000>,0.500000
<-0.765367,20.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,20.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,20.543278,-0.000000>,0.500000
<-0.382683,21.467157,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,21.467157,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,21.467157,-0.000000>,0.500000
<0.324423,22.174263,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.324423,22.174263,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.324423,22.174263,-0.000000>,0.500000
<1.031530,22.881371,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.031530,22.881371,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,21.467157,-0.000000>,0.500000
<-0.000000,22.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,22.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,18.695518,-0.000000>,0.500000
<-1.530734,19.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,19.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,17.695518,-0.000000>,0.500000
<-1.913417,18.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,18.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,18.619398,-0.000000>,0.500000
<-2.296101,19.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,19.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,19.543278,-0.000000>,0.500000
<-3.003207,20.250383,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.003207,20.250383,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.003207,20.250383,-0.000000>,0.500000
<-3.710314,20.957491,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.710314,20.957491,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,19.543278,-0.000000>,0.500000
<-3.003207,20.250383,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.003207,20.250383,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.003207,20.250383,-0.000000>,0.500000
<-3.710314,20.957491,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.710314,20.957491,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.710314,20.957491,-0.000000>,0.500000
<-4.417421,21.664598,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.417421,21.664598,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.417421,21.664598,-0.000000>,0.500000
<-4.800104,22.588476,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.800104,22.588476,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.800104,22.588476,-0.000000>,0.500000
<-4.800104,23.588476,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.800104,23.588476,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.800104,23.588476,-0.000000>,0.500000
<-4.800104,24.588476,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.800104,24.588476,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.800104,22.588476,-0.000000>,0.500000
<-5.182788,23.512356,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.182788,23.512356,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.417421,21.664598,-0.000000>,0.500000
<-5.124528,22.371704,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.124528,22.371704,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.124528,22.371704,-0.000000>,0.500000
<-6.048407,22.754387,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.048407,22.754387,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.048407,22.754387,-0.000000>,0.500000
<-6.972287,23.137072,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.972287,23.137072,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.972287,23.137072,-0.000000>,0.500000
<-7.896166,23.519754,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.896166,23.519754,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.896166,23.519754,-0.000000>,0.500000
<-8.896166,23.519754,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.896166,23.519754,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.896166,23.519754,-0.000000>,0.500000
<-9.896166,23.519754,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.896166,23.519754,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.896166,23.519754,-0.000000>,0.500000
<-10.896166,23.519754,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.896166,23.519754,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.896166,23.519754,-0.000000>,0.500000
<-8.820045,23.902437,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.820045,23.902437,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.124528,22.371704,-0.000000>,0.500000
<-5.831635,23.078812,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.831635,23.078812,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,19.543278,-0.000000>,0.500000
<-2.678784,20.467157,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,20.467157,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.000000,-0.000000>,0.500000
<0.000000,15.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,15.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,15.000000,-0.000000>,0.500000
<0.000000,16.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,16.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.500000
<0.000000,17.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,17.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,17.000000,-0.000000>,0.500000
<0.382683,17.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,17.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,17.923880,-0.000000>,0.500000
<0.765367,18.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,18.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,17.000000,-0.000000>,0.500000
<0.000000,18.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,18.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.500000
<-0.382683,18.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,18.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,18.923880,-0.000000>,0.500000
<-0.765367,19.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,19.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,19.847759,-0.000000>,0.500000
<-1.472474,20.554867,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.472474,20.554867,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.472474,20.554867,-0.000000>,0.500000
<-2.179580,21.261972,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,21.261972,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,19.847759,-0.000000>,0.500000
<-1.148050,20.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,20.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.500000
<0.000000,19.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,19.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.500000
<0.382683,19.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,19.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,19.923880,-0.000000>,0.500000
<0.765367,20.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,20.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,20.847759,-0.000000>,0.500000
<0.765367,21.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,21.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,21.847759,-0.000000>,0.500000
<0.765367,22.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,22.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,20.847759,-0.000000>,0.500000
<1.148050,21.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,21.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,21.771639,-0.000000>,0.500000
<1.855157,22.478745,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,22.478745,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855157,22.478745,-0.000000>,0.500000
<2.562264,23.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.562264,23.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.562264,23.185852,-0.000000>,0.500000
<3.269371,23.892960,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.269371,23.892960,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,21.771639,-0.000000>,0.500000
<1.530734,22.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,22.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.500000
<0.382683,19.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,19.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,19.923880,-0.000000>,0.500000
<0.765367,20.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,20.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,20.847759,-0.000000>,0.500000
<1.148050,21.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,21.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,21.771639,-0.000000>,0.500000
<1.148050,22.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,22.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,22.771639,-0.000000>,0.500000
<1.148050,23.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,23.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,23.771639,-0.000000>,0.500000
<1.148050,24.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,24.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,21.771639,-0.000000>,0.500000
<1.530734,22.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,22.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,22.695518,-0.000000>,0.500000
<1.913417,23.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,23.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,23.619398,-0.000000>,0.500000
<2.296101,24.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,24.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,24.543278,-0.000000>,0.500000
<2.296101,25.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,25.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,25.543278,-0.000000>,0.500000
<2.296101,26.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,26.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,24.543278,-0.000000>,0.500000
<3.003207,25.250383,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.003207,25.250383,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.003207,25.250383,-0.000000>,0.500000
<3.927087,25.633068,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.927087,25.633068,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.927087,25.633068,-0.000000>,0.500000
<4.850966,26.015751,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.850966,26.015751,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.850966,26.015751,-0.000000>,0.500000
<5.774846,26.398434,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.774846,26.398434,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.003207,25.250383,-0.000000>,0.500000
<3.710314,25.957491,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,25.957491,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,24.543278,-0.000000>,0.500000
<2.296101,25.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,25.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,25.543278,-0.000000>,0.500000
<2.296101,26.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,26.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,26.543278,-0.000000>,0.500000
<1.913417,27.467157,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,27.467157,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,27.467157,-0.000000>,0.500000
<1.530734,28.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,28.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,28.391037,-0.000000>,0.500000
<1.530734,29.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,29.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,29.391037,-0.000000>,0.500000
<1.530734,30.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,30.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,28.391037,-0.000000>,0.500000
<1.148050,29.314917,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,29.314917,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,29.314917,-0.000000>,0.500000
<0.440944,30.022022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,30.022022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.440944,30.022022,-0.000000>,0.500000
<-0.266163,30.729130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.266163,30.729130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.266163,30.729130,-0.000000>,0.500000
<-1.190043,31.111813,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.190043,31.111813,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.190043,31.111813,-0.000000>,0.500000
<-2.113922,31.494495,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.113922,31.494495,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.266163,30.729130,-0.000000>,0.500000
<-0.973270,31.436235,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.973270,31.436235,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,29.314917,-0.000000>,0.500000
<0.765367,30.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,30.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,26.543278,-0.000000>,0.500000
<2.296101,27.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,27.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,24.543278,-0.000000>,0.500000
<2.678784,25.467157,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,25.467157,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,25.467157,-0.000000>,0.500000
<3.061467,26.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,26.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,26.391037,-0.000000>,0.500000
<3.061467,27.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,27.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,27.391037,-0.000000>,0.500000
<3.061467,28.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,28.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,26.391037,-0.000000>,0.500000
<3.444151,27.314917,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,27.314917,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,27.314917,-0.000000>,0.500000
<4.151258,28.022022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,28.022022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.151258,28.022022,-0.000000>,0.500000
<4.858365,28.729130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.858365,28.729130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.858365,28.729130,-0.000000>,0.500000
<5.565471,29.436235,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.565471,29.436235,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,27.314917,-0.000000>,0.500000
<4.151258,28.022022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,28.022022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.151258,28.022022,-0.000000>,0.500000
<4.858365,28.729130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.858365,28.729130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.858365,28.729130,-0.000000>,0.500000
<5.565471,29.436235,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.565471,29.436235,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.565471,29.436235,-0.000000>,0.500000
<6.272578,30.143343,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.272578,30.143343,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.272578,30.143343,-0.000000>,0.500000
<7.196457,30.526026,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.196457,30.526026,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.196457,30.526026,-0.000000>,0.500000
<8.120337,30.908710,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.120337,30.908710,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.272578,30.143343,-0.000000>,0.500000
<6.655262,31.067223,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.655262,31.067223,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,31.067223,-0.000000>,0.500000
<6.655262,32.067223,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.655262,32.067223,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,32.067223,-0.000000>,0.500000
<6.655262,33.067223,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.655262,33.067223,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,33.067223,-0.000000>,0.500000
<6.272578,33.991100,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.272578,33.991100,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.272578,33.991100,-0.000000>,0.500000
<5.889894,34.914982,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.889894,34.914982,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,33.067223,-0.000000>,0.500000
<6.655262,34.067223,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.655262,34.067223,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,31.067223,-0.000000>,0.500000
<7.037945,31.991102,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.037945,31.991102,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.272578,30.143343,-0.000000>,0.500000
<6.979685,30.850451,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.979685,30.850451,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.979685,30.850451,-0.000000>,0.500000
<7.686791,31.557556,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.686791,31.557556,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.686791,31.557556,-0.000000>,0.500000
<8.610671,31.940241,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.610671,31.940241,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.610671,31.940241,-0.000000>,0.500000
<9.534551,32.322922,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.534551,32.322922,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.534551,32.322922,-0.000000>,0.500000
<10.241657,33.030029,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.241657,33.030029,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.241657,33.030029,-0.000000>,0.500000
<10.624341,33.953911,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.624341,33.953911,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.624341,33.953911,-0.000000>,0.500000
<11.007025,34.877789,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.007025,34.877789,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.241657,33.030029,-0.000000>,0.500000
<10.948764,33.737137,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.948764,33.737137,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.534551,32.322922,-0.000000>,0.500000
<10.458430,32.705608,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.458430,32.705608,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.458430,32.705608,-0.000000>,0.500000
<11.458430,32.705608,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.458430,32.705608,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.458430,32.705608,-0.000000>,0.500000
<12.458430,32.705608,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.458430,32.705608,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.458430,32.705608,-0.000000>,0.500000
<13.458430,32.705608,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.458430,32.705608,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.458430,32.705608,-0.000000>,0.500000
<14.382310,32.322922,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.382310,32.322922,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.382310,32.322922,-0.000000>,0.500000
<15.306190,31.940241,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.306190,31.940241,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.458430,32.705608,-0.000000>,0.500000
<14.458430,32.705608,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.458430,32.705608,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.458430,32.705608,-0.000000>,0.500000
<11.382310,33.088291,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.382310,33.088291,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.686791,31.557556,-0.000000>,0.500000
<8.393898,32.264664,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.393898,32.264664,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,27.314917,-0.000000>,0.500000
<3.826834,28.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,28.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.500000
<0.000000,20.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,20.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.500000
<0.000000,21.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,21.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.500000
<0.000000,22.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,22.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,0.500000
<0.382683,22.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,22.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,22.923880,-0.000000>,0.500000
<0.765367,23.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,23.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,0.500000
<0.000000,23.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,23.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,23.000000,-0.000000>,0.500000
<-0.382683,23.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,23.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,23.923880,-0.000000>,0.500000
<-0.765367,24.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,24.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,24.847759,-0.000000>,0.500000
<-1.472474,25.554867,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.472474,25.554867,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.472474,25.554867,-0.000000>,0.500000
<-2.179580,26.261972,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,26.261972,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,24.847759,-0.000000>,0.500000
<-1.148050,25.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,25.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,23.000000,-0.000000>,0.500000
<0.000000,24.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,24.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,0.500000
<0.382683,24.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,24.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,24.923880,-0.000000>,0.500000
<0.765367,25.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,25.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,25.847759,-0.000000>,0.500000
<0.765367,26.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,26.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,26.847759,-0.000000>,0.500000
<0.765367,27.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,27.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,25.847759,-0.000000>,0.500000
<1.148050,26.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,26.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,26.771639,-0.000000>,0.500000
<1.855157,27.478745,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,27.478745,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855157,27.478745,-0.000000>,0.500000
<2.562264,28.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.562264,28.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.562264,28.185852,-0.000000>,0.500000
<3.269371,28.892960,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.269371,28.892960,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,26.771639,-0.000000>,0.500000
<1.530734,27.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,27.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,0.500000
<0.000000,25.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,25.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,25.000000,-0.000000>,0.500000
<0.000000,26.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,26.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.500000
<-0.382683,26.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,26.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,26.923880,-0.000000>,0.500000
<-0.765367,27.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,27.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.500000
<-0.382683,26.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,26.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,26.923880,-0.000000>,0.500000
<-0.765367,27.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,27.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,27.847759,-0.000000>,0.500000
<-1.148050,28.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,28.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,28.771639,-0.000000>,0.500000
<-1.148050,29.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,29.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,29.771639,-0.000000>,0.500000
<-0.765367,30.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,30.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,30.695518,-0.000000>,0.500000
<-0.382683,31.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,31.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,29.771639,-0.000000>,0.500000
<-1.148050,30.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,30.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,28.771639,-0.000000>,0.500000
<-1.530734,29.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,29.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,29.695518,-0.000000>,0.500000
<-2.237840,30.402624,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.237840,30.402624,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.237840,30.402624,-0.000000>,0.500000
<-2.944947,31.109732,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.944947,31.109732,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.944947,31.109732,-0.000000>,0.500000
<-3.652054,31.816839,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.652054,31.816839,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.652054,31.816839,-0.000000>,0.500000
<-4.575933,32.199520,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.575933,32.199520,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.575933,32.199520,-0.000000>,0.500000
<-5.499813,32.582207,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.499813,32.582207,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.499813,32.582207,-0.000000>,0.500000
<-6.423693,32.964890,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.423693,32.964890,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.652054,31.816839,-0.000000>,0.500000
<-4.359161,32.523945,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,32.523945,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,29.695518,-0.000000>,0.500000
<-1.913417,30.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,30.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.500000
<-0.382683,26.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,26.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,26.923880,-0.000000>,0.500000
<-0.765367,27.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,27.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,27.847759,-0.000000>,0.500000
<-1.148050,28.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,28.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,28.771639,-0.000000>,0.500000
<-1.855157,29.478745,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.855157,29.478745,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.855157,29.478745,-0.000000>,0.500000
<-2.562264,30.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,30.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.562264,30.185852,-0.000000>,0.500000
<-3.269371,30.892960,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,30.892960,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,28.771639,-0.000000>,0.500000
<-1.530734,29.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,29.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,29.695518,-0.000000>,0.500000
<-1.530734,30.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,30.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,30.695518,-0.000000>,0.500000
<-1.530734,31.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,31.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,31.695518,-0.000000>,0.500000
<-1.530734,32.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,32.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,32.695518,-0.000000>,0.500000
<-1.148050,33.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,33.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,33.619396,-0.000000>,0.500000
<-0.765367,34.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,34.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,32.695518,-0.000000>,0.500000
<-1.530734,33.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,33.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,29.695518,-0.000000>,0.500000
<-1.913417,30.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,30.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,30.619398,-0.000000>,0.500000
<-2.296101,31.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,31.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,31.543278,-0.000000>,0.500000
<-3.003207,32.250385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.003207,32.250385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.003207,32.250385,-0.000000>,0.500000
<-3.710314,32.957489,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.710314,32.957489,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,31.543278,-0.000000>,0.500000
<-2.678784,32.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,32.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,32.467155,-0.000000>,0.500000
<-3.061467,33.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,33.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,33.391037,-0.000000>,0.500000
<-3.444151,34.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,34.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,34.314915,-0.000000>,0.500000
<-3.444151,35.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,35.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,35.314915,-0.000000>,0.500000
<-3.061467,36.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,36.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,36.238796,-0.000000>,0.500000
<-2.678784,37.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,37.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,35.314915,-0.000000>,0.500000
<-3.444151,36.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,36.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,34.314915,-0.000000>,0.500000
<-4.151258,35.022022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.151258,35.022022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.151258,35.022022,-0.000000>,0.500000
<-5.075137,35.404705,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.075137,35.404705,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.075137,35.404705,-0.000000>,0.500000
<-5.999017,35.787388,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.999017,35.787388,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.999017,35.787388,-0.000000>,0.500000
<-6.922896,36.170074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.922896,36.170074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.922896,36.170074,-0.000000>,0.500000
<-7.922896,36.170074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.922896,36.170074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.922896,36.170074,-0.000000>,0.500000
<-8.922896,36.170074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.922896,36.170074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.922896,36.170074,-0.000000>,0.500000
<-9.922896,36.170074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.922896,36.170074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.922896,36.170074,-0.000000>,0.500000
<-7.846776,36.552757,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.846776,36.552757,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.151258,35.022022,-0.000000>,0.500000
<-4.858365,35.729130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.858365,35.729130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,34.314915,-0.000000>,0.500000
<-3.444151,35.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,35.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,35.314915,-0.000000>,0.500000
<-3.444151,36.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,36.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,36.314915,-0.000000>,0.500000
<-3.444151,37.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,37.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,37.314915,-0.000000>,0.500000
<-3.061467,38.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,38.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,38.238796,-0.000000>,0.500000
<-2.678784,39.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,39.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,37.314915,-0.000000>,0.500000
<-3.061467,38.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,38.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,38.238796,-0.000000>,0.500000
<-2.678784,39.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,39.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,39.162674,-0.000000>,0.500000
<-2.296101,40.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,40.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,40.086555,-0.000000>,0.500000
<-2.296101,41.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,41.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,41.086555,-0.000000>,0.500000
<-2.678784,42.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,42.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,42.010433,-0.000000>,0.500000
<-3.061467,42.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,42.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,42.934315,-0.000000>,0.500000
<-3.444151,43.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,43.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,41.086555,-0.000000>,0.500000
<-2.296101,42.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,42.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,40.086555,-0.000000>,0.500000
<-1.913417,41.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,41.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,41.010433,-0.000000>,0.500000
<-1.206310,41.717541,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.206310,41.717541,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.206310,41.717541,-0.000000>,0.500000
<-0.499204,42.424648,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.499204,42.424648,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.499204,42.424648,-0.000000>,0.500000
<-0.116520,43.348526,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.116520,43.348526,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.116520,43.348526,-0.000000>,0.500000
<0.266163,44.272408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.266163,44.272408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.499204,42.424648,-0.000000>,0.500000
<0.207903,43.131756,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.207903,43.131756,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.207903,43.131756,-0.000000>,0.500000
<1.131783,43.514439,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.131783,43.514439,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.131783,43.514439,-0.000000>,0.500000
<2.055662,43.897121,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.055662,43.897121,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.055662,43.897121,-0.000000>,0.500000
<2.979542,44.279804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.979542,44.279804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.207903,43.131756,-0.000000>,0.500000
<0.915010,43.838860,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.915010,43.838860,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,41.010433,-0.000000>,0.500000
<-1.530734,41.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,41.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,37.314915,-0.000000>,0.500000
<-3.444151,38.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,38.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,34.314915,-0.000000>,0.500000
<-3.826834,35.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,35.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,35.238796,-0.000000>,0.500000
<-4.209518,36.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,36.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,36.162674,-0.000000>,0.500000
<-4.916625,36.869781,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.916625,36.869781,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.916625,36.869781,-0.000000>,0.500000
<-5.623731,37.576889,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.623731,37.576889,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,36.162674,-0.000000>,0.500000
<-4.592201,37.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,37.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,37.086555,-0.000000>,0.500000
<-4.592201,38.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,38.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,38.086555,-0.000000>,0.500000
<-4.592201,39.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,39.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,39.086555,-0.000000>,0.500000
<-4.592201,40.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,40.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,37.086555,-0.000000>,0.500000
<-4.974885,38.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,38.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,38.010433,-0.000000>,0.500000
<-5.681992,38.717541,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.681992,38.717541,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.681992,38.717541,-0.000000>,0.500000
<-6.389098,39.424648,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.389098,39.424648,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.389098,39.424648,-0.000000>,0.500000
<-7.096205,40.131756,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.096205,40.131756,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.096205,40.131756,-0.000000>,0.500000
<-8.020084,40.514439,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.020084,40.514439,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.020084,40.514439,-0.000000>,0.500000
<-8.943964,40.897121,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.943964,40.897121,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.943964,40.897121,-0.000000>,0.500000
<-9.867844,41.279804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.867844,41.279804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.096205,40.131756,-0.000000>,0.500000
<-7.803312,40.838860,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.803312,40.838860,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,38.010433,-0.000000>,0.500000
<-5.681992,38.717541,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.681992,38.717541,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.681992,38.717541,-0.000000>,0.500000
<-6.389098,39.424648,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.389098,39.424648,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.389098,39.424648,-0.000000>,0.500000
<-7.096205,40.131756,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.096205,40.131756,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.096205,40.131756,-0.000000>,0.500000
<-7.478889,41.055634,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.478889,41.055634,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.478889,41.055634,-0.000000>,0.500000
<-7.861572,41.979515,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.861572,41.979515,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.096205,40.131756,-0.000000>,0.500000
<-7.803312,40.838860,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.803312,40.838860,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.803312,40.838860,-0.000000>,0.500000
<-8.510419,41.545967,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.510419,41.545967,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.510419,41.545967,-0.000000>,0.500000
<-9.217525,42.253075,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.217525,42.253075,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.217525,42.253075,-0.000000>,0.500000
<-10.141405,42.635757,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.141405,42.635757,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.141405,42.635757,-0.000000>,0.500000
<-11.141405,42.635757,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.141405,42.635757,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.141405,42.635757,-0.000000>,0.500000
<-12.141405,42.635757,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.141405,42.635757,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.141405,42.635757,-0.000000>,0.500000
<-13.141405,42.635757,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.141405,42.635757,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.141405,42.635757,-0.000000>,0.500000
<-11.065285,43.018440,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.065285,43.018440,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.217525,42.253075,-0.000000>,0.500000
<-9.600208,43.176952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.600208,43.176952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.600208,43.176952,-0.000000>,0.500000
<-9.600208,44.176952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.600208,44.176952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.600208,44.176952,-0.000000>,0.500000
<-9.600208,45.176952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.600208,45.176952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.600208,45.176952,-0.000000>,0.500000
<-9.982892,46.100834,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.982892,46.100834,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.982892,46.100834,-0.000000>,0.500000
<-10.365576,47.024712,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.365576,47.024712,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.600208,45.176952,-0.000000>,0.500000
<-9.600208,46.176952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.600208,46.176952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.600208,46.176952,-0.000000>,0.500000
<-9.217525,47.100834,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.217525,47.100834,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.217525,47.100834,-0.000000>,0.500000
<-8.834842,48.024712,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.834842,48.024712,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.834842,48.024712,-0.000000>,0.500000
<-8.452158,48.948593,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.452158,48.948593,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.600208,46.176952,-0.000000>,0.500000
<-9.600208,47.176952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.600208,47.176952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.600208,43.176952,-0.000000>,0.500000
<-9.982892,44.100834,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.982892,44.100834,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.217525,42.253075,-0.000000>,0.500000
<-9.924632,42.960182,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.924632,42.960182,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.924632,42.960182,-0.000000>,0.500000
<-10.631739,43.667290,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.631739,43.667290,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.631739,43.667290,-0.000000>,0.500000
<-11.338845,44.374393,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.338845,44.374393,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.338845,44.374393,-0.000000>,0.500000
<-12.262725,44.757080,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.262725,44.757080,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.262725,44.757080,-0.000000>,0.500000
<-13.186604,45.139763,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.186604,45.139763,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.186604,45.139763,-0.000000>,0.500000
<-14.110484,45.522446,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.110484,45.522446,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.338845,44.374393,-0.000000>,0.500000
<-12.262725,44.757080,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.262725,44.757080,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.262725,44.757080,-0.000000>,0.500000
<-13.186604,45.139763,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.186604,45.139763,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.186604,45.139763,-0.000000>,0.500000
<-14.110484,45.522446,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.110484,45.522446,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.110484,45.522446,-0.000000>,0.500000
<-15.110484,45.522446,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.110484,45.522446,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.110484,45.522446,-0.000000>,0.500000
<-16.110485,45.522446,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.110485,45.522446,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.110484,45.522446,-0.000000>,0.500000
<-14.817591,46.229553,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.817591,46.229553,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.817591,46.229553,-0.000000>,0.500000
<-15.200274,47.153431,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.200274,47.153431,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.200274,47.153431,-0.000000>,0.500000
<-15.582958,48.077312,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.582958,48.077312,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.582958,48.077312,-0.000000>,0.500000
<-15.965641,49.001190,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.965641,49.001190,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.817591,46.229553,-0.000000>,0.500000
<-15.524698,46.936657,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.524698,46.936657,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.110484,45.522446,-0.000000>,0.500000
<-15.034364,45.905128,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.034364,45.905128,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.034364,45.905128,-0.000000>,0.500000
<-15.958243,46.287811,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.958243,46.287811,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.958243,46.287811,-0.000000>,0.500000
<-16.958242,46.287811,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.958242,46.287811,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.958242,46.287811,-0.000000>,0.500000
<-17.958242,46.287811,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.958242,46.287811,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.958242,46.287811,-0.000000>,0.500000
<-18.882122,46.670494,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.882122,46.670494,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.882122,46.670494,-0.000000>,0.500000
<-19.806002,47.053181,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.806002,47.053181,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.958242,46.287811,-0.000000>,0.500000
<-18.958242,46.287811,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.958242,46.287811,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.958242,46.287811,-0.000000>,0.500000
<-19.882122,45.905128,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.882122,45.905128,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.882122,45.905128,-0.000000>,0.500000
<-20.806002,45.522446,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.806002,45.522446,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.806002,45.522446,-0.000000>,0.500000
<-21.513109,44.815338,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.513109,44.815338,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.513109,44.815338,-0.000000>,0.500000
<-22.220217,44.108231,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.220217,44.108231,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.806002,45.522446,-0.000000>,0.500000
<-21.729881,45.139763,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.729881,45.139763,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.958242,46.287811,-0.000000>,0.500000
<-19.958242,46.287811,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.958242,46.287811,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.958243,46.287811,-0.000000>,0.500000
<-16.882122,46.670494,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.882122,46.670494,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.338845,44.374393,-0.000000>,0.500000
<-12.045953,45.081501,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.045953,45.081501,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,38.010433,-0.000000>,0.500000
<-5.357568,38.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,38.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.500000
<0.000000,27.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,27.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.000000,-0.000000>,0.500000
<0.000000,28.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,28.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.500000
<0.000000,29.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,29.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,29.000000,-0.000000>,0.500000
<0.382683,29.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,29.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,29.923880,-0.000000>,0.500000
<0.765367,30.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,30.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,29.000000,-0.000000>,0.500000
<0.000000,30.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,30.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.000000,-0.000000>,0.500000
<-0.382683,30.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,30.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,30.923880,-0.000000>,0.500000
<-0.765367,31.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,31.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,31.847759,-0.000000>,0.500000
<-1.472474,32.554867,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.472474,32.554867,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.472474,32.554867,-0.000000>,0.500000
<-2.179580,33.261974,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,33.261974,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,31.847759,-0.000000>,0.500000
<-1.148050,32.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,32.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.000000,-0.000000>,0.500000
<0.000000,31.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,31.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,31.000000,-0.000000>,0.500000
<0.382683,31.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,31.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,31.923880,-0.000000>,0.500000
<0.765367,32.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,32.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,32.847759,-0.000000>,0.500000
<0.765367,33.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,33.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,33.847759,-0.000000>,0.500000
<0.765367,34.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,34.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,32.847759,-0.000000>,0.500000
<1.148050,33.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,33.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,33.771637,-0.000000>,0.500000
<1.855157,34.478745,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,34.478745,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855157,34.478745,-0.000000>,0.500000
<2.562264,35.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.562264,35.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.562264,35.185852,-0.000000>,0.500000
<3.269371,35.892960,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.269371,35.892960,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,33.771637,-0.000000>,0.500000
<1.530734,34.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,34.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,31.000000,-0.000000>,0.500000
<0.000000,32.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,32.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,0.500000
<0.000000,33.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,33.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,33.000000,-0.000000>,0.500000
<-0.382683,33.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,33.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,33.923878,-0.000000>,0.500000
<-0.765367,34.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,34.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,33.000000,-0.000000>,0.500000
<-0.382683,33.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,33.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,33.923878,-0.000000>,0.500000
<-0.765367,34.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,34.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,34.847759,-0.000000>,0.500000
<-1.148050,35.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,35.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,35.771637,-0.000000>,0.500000
<-1.148050,36.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,36.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,36.771637,-0.000000>,0.500000
<-0.765367,37.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,37.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,37.695518,-0.000000>,0.500000
<-0.382683,38.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,38.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,36.771637,-0.000000>,0.500000
<-1.148050,37.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,37.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,35.771637,-0.000000>,0.500000
<-1.530734,36.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,36.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,36.695518,-0.000000>,0.500000
<-2.237840,37.402626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.237840,37.402626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.237840,37.402626,-0.000000>,0.500000
<-2.944947,38.109734,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.944947,38.109734,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.944947,38.109734,-0.000000>,0.500000
<-3.652054,38.816837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.652054,38.816837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.652054,38.816837,-0.000000>,0.500000
<-4.575933,39.199520,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.575933,39.199520,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.575933,39.199520,-0.000000>,0.500000
<-5.499813,39.582207,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.499813,39.582207,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.499813,39.582207,-0.000000>,0.500000
<-6.423693,39.964890,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.423693,39.964890,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.652054,38.816837,-0.000000>,0.500000
<-4.359161,39.523945,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,39.523945,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,36.695518,-0.000000>,0.500000
<-1.913417,37.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,37.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,33.000000,-0.000000>,0.500000
<0.000000,34.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,34.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.000000,-0.000000>,0.500000
<0.000000,35.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,35.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,35.000000,-0.000000>,0.500000
<-0.382683,35.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,35.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,35.923878,-0.000000>,0.500000
<-0.765367,36.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,36.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,35.000000,-0.000000>,0.500000
<0.000000,36.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,36.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.500000
<0.382683,36.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,36.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,36.923878,-0.000000>,0.500000
<0.765367,37.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,37.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,37.847759,-0.000000>,0.500000
<1.148050,38.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,38.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.500000
<0.382683,36.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,36.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,36.923878,-0.000000>,0.500000
<0.765367,37.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,37.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,37.847759,-0.000000>,0.500000
<1.148050,38.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,38.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,38.771637,-0.000000>,0.500000
<1.530734,39.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,39.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,39.695518,-0.000000>,0.500000
<2.237840,40.402626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.237840,40.402626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.237840,40.402626,-0.000000>,0.500000
<2.944947,41.109734,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.944947,41.109734,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,39.695518,-0.000000>,0.500000
<1.530734,40.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,40.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,40.695518,-0.000000>,0.500000
<1.148050,41.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,41.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,41.619396,-0.000000>,0.500000
<0.765367,42.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,42.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,42.543278,-0.000000>,0.500000
<0.058260,43.250385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.058260,43.250385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.058260,43.250385,-0.000000>,0.500000
<-0.648847,43.957489,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.648847,43.957489,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,42.543278,-0.000000>,0.500000
<0.382683,43.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,43.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,40.695518,-0.000000>,0.500000
<1.530734,41.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,41.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,39.695518,-0.000000>,0.500000
<1.913417,40.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,40.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,40.619396,-0.000000>,0.500000
<2.296101,41.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,41.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,41.543278,-0.000000>,0.500000
<3.003207,42.250385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.003207,42.250385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.003207,42.250385,-0.000000>,0.500000
<3.710314,42.957489,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,42.957489,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,42.957489,-0.000000>,0.500000
<4.092998,43.881371,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.092998,43.881371,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.092998,43.881371,-0.000000>,0.500000
<4.092998,44.881371,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.092998,44.881371,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.092998,44.881371,-0.000000>,0.500000
<4.092998,45.881371,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.092998,45.881371,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.092998,43.881371,-0.000000>,0.500000
<4.475681,44.805248,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.475681,44.805248,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,42.957489,-0.000000>,0.500000
<4.417421,43.664597,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.417421,43.664597,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.417421,43.664597,-0.000000>,0.500000
<5.341300,44.047279,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.341300,44.047279,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.341300,44.047279,-0.000000>,0.500000
<6.265180,44.429966,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.265180,44.429966,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.265180,44.429966,-0.000000>,0.500000
<7.189060,44.812649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.189060,44.812649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.189060,44.812649,-0.000000>,0.500000
<8.189059,44.812649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.189059,44.812649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.189059,44.812649,-0.000000>,0.500000
<9.189059,44.812649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.189059,44.812649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.189060,44.812649,-0.000000>,0.500000
<8.112939,45.195332,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.112939,45.195332,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.417421,43.664597,-0.000000>,0.500000
<5.124528,44.371704,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.124528,44.371704,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,41.543278,-0.000000>,0.500000
<2.678784,42.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,42.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.500000
<0.382683,36.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,36.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,36.923878,-0.000000>,0.500000
<0.765367,37.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,37.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,37.847759,-0.000000>,0.500000
<1.148050,38.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,38.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,38.771637,-0.000000>,0.500000
<1.148050,39.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,39.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,39.771637,-0.000000>,0.500000
<1.148050,40.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,40.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,40.771637,-0.000000>,0.500000
<1.148050,41.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,41.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,38.771637,-0.000000>,0.500000
<1.530734,39.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,39.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,39.695518,-0.000000>,0.500000
<2.237840,40.402626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.237840,40.402626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.237840,40.402626,-0.000000>,0.500000
<2.944947,41.109734,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.944947,41.109734,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.944947,41.109734,-0.000000>,0.500000
<3.652054,41.816837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.652054,41.816837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.652054,41.816837,-0.000000>,0.500000
<4.575933,42.199520,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.575933,42.199520,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.575933,42.199520,-0.000000>,0.500000
<5.499813,42.582207,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.499813,42.582207,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.652054,41.816837,-0.000000>,0.500000
<4.359161,42.523945,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.359161,42.523945,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,39.695518,-0.000000>,0.500000
<1.913417,40.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,40.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,40.619396,-0.000000>,0.500000
<2.296101,41.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,41.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,41.543278,-0.000000>,0.500000
<2.296101,42.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,42.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,42.543278,-0.000000>,0.500000
<2.296101,43.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,43.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,43.543278,-0.000000>,0.500000
<2.678784,44.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,44.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,44.467155,-0.000000>,0.500000
<3.061467,45.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,45.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,43.543278,-0.000000>,0.500000
<2.296101,44.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,44.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,44.543278,-0.000000>,0.500000
<1.913417,45.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,45.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,45.467155,-0.000000>,0.500000
<1.530734,46.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,46.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,46.391037,-0.000000>,0.500000
<0.823627,47.098145,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.823627,47.098145,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.823627,47.098145,-0.000000>,0.500000
<0.116520,47.805248,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.116520,47.805248,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,46.391037,-0.000000>,0.500000
<1.148050,47.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,47.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,44.543278,-0.000000>,0.500000
<2.296101,45.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,45.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,41.543278,-0.000000>,0.500000
<2.678784,42.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,42.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,42.467155,-0.000000>,0.500000
<3.061467,43.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,43.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,43.391037,-0.000000>,0.500000
<3.061467,44.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,44.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,44.391037,-0.000000>,0.500000
<3.061467,45.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,45.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,43.391037,-0.000000>,0.500000
<3.444151,44.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,44.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,44.314915,-0.000000>,0.500000
<4.151258,45.022022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,45.022022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.151258,45.022022,-0.000000>,0.500000
<4.858365,45.729130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.858365,45.729130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.858365,45.729130,-0.000000>,0.500000
<5.565471,46.436237,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.565471,46.436237,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,44.314915,-0.000000>,0.500000
<3.826834,45.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,45.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,45.238796,-0.000000>,0.500000
<4.209518,46.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,46.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,46.162674,-0.000000>,0.500000
<4.592201,47.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,47.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,47.086555,-0.000000>,0.500000
<4.974885,48.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,48.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,48.010433,-0.000000>,0.500000
<5.681992,48.717541,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.681992,48.717541,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.681992,48.717541,-0.000000>,0.500000
<6.389098,49.424648,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.389098,49.424648,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,48.010433,-0.000000>,0.500000
<4.974885,49.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,49.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,49.010433,-0.000000>,0.500000
<4.592201,49.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,49.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,49.934315,-0.000000>,0.500000
<4.209518,50.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,50.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,50.858192,-0.000000>,0.500000
<3.502411,51.565300,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.502411,51.565300,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.502411,51.565300,-0.000000>,0.500000
<2.795304,52.272408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.795304,52.272408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,50.858192,-0.000000>,0.500000
<3.826834,51.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,51.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,49.010433,-0.000000>,0.500000
<4.974885,50.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,50.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,48.010433,-0.000000>,0.500000
<5.681992,48.717541,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.681992,48.717541,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.681992,48.717541,-0.000000>,0.500000
<6.389098,49.424648,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.389098,49.424648,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.389098,49.424648,-0.000000>,0.500000
<7.312978,49.807331,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.312978,49.807331,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.312978,49.807331,-0.000000>,0.500000
<8.236857,50.190014,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.236857,50.190014,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.236857,50.190014,-0.000000>,0.500000
<8.943964,50.897121,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.943964,50.897121,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.943964,50.897121,-0.000000>,0.500000
<9.326648,51.820999,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.326648,51.820999,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.326648,51.820999,-0.000000>,0.500000
<9.709331,52.744881,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.709331,52.744881,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.943964,50.897121,-0.000000>,0.500000
<9.651071,51.604229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.651071,51.604229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.236857,50.190014,-0.000000>,0.500000
<9.160737,50.572697,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.160737,50.572697,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.160737,50.572697,-0.000000>,0.500000
<10.160737,50.572697,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.160737,50.572697,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.160737,50.572697,-0.000000>,0.500000
<11.160737,50.572697,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.160737,50.572697,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.160737,50.572697,-0.000000>,0.500000
<12.160737,50.572697,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.160737,50.572697,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.160737,50.572697,-0.000000>,0.500000
<13.084617,50.190014,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.084617,50.190014,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.084617,50.190014,-0.000000>,0.500000
<14.008496,49.807331,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.008496,49.807331,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.160737,50.572697,-0.000000>,0.500000
<13.160737,50.572697,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.160737,50.572697,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.160737,50.572697,-0.000000>,0.500000
<10.084617,50.955379,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.084617,50.955379,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.389098,49.424648,-0.000000>,0.500000
<7.096205,50.131756,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.096205,50.131756,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,48.010433,-0.000000>,0.500000
<4.974885,49.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,49.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,49.010433,-0.000000>,0.500000
<4.974885,50.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,50.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,50.010433,-0.000000>,0.500000
<4.974885,51.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,51.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,51.010433,-0.000000>,0.500000
<5.357568,51.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,51.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,51.934315,-0.000000>,0.500000
<5.740252,52.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,52.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,51.010433,-0.000000>,0.500000
<4.974885,52.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,52.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,52.010433,-0.000000>,0.500000
<4.592201,52.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,52.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,52.934315,-0.000000>,0.500000
<4.209518,53.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,53.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,53.858192,-0.000000>,0.500000
<3.502411,54.565300,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.502411,54.565300,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.502411,54.565300,-0.000000>,0.500000
<2.795304,55.272408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.795304,55.272408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,53.858192,-0.000000>,0.500000
<3.826834,54.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,54.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,52.010433,-0.000000>,0.500000
<4.592201,52.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,52.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,52.934315,-0.000000>,0.500000
<4.209518,53.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,53.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,53.858192,-0.000000>,0.500000
<3.826834,54.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,54.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,54.782074,-0.000000>,0.500000
<3.444151,55.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,55.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,55.705952,-0.000000>,0.500000
<2.737044,56.413059,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.737044,56.413059,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.737044,56.413059,-0.000000>,0.500000
<1.813165,56.795742,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.813165,56.795742,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.813165,56.795742,-0.000000>,0.500000
<0.889285,57.178425,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.889285,57.178425,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.737044,56.413059,-0.000000>,0.500000
<2.029937,57.120167,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.029937,57.120167,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,55.705952,-0.000000>,0.500000
<3.444151,56.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,56.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,56.705952,-0.000000>,0.500000
<3.826834,57.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,57.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,57.629833,-0.000000>,0.500000
<4.209518,58.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,58.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,58.553711,-0.000000>,0.500000
<4.592201,59.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,59.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,59.477592,-0.000000>,0.500000
<5.299308,60.184696,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.299308,60.184696,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.299308,60.184696,-0.000000>,0.500000
<6.006415,60.891804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.006415,60.891804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,59.477592,-0.000000>,0.500000
<4.974885,60.401470,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,60.401470,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,56.705952,-0.000000>,0.500000
<3.444151,57.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,57.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,55.705952,-0.000000>,0.500000
<3.061467,56.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,56.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,56.629833,-0.000000>,0.500000
<2.678784,57.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,57.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,57.553711,-0.000000>,0.500000
<1.971677,58.260818,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.971677,58.260818,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.971677,58.260818,-0.000000>,0.500000
<1.264570,58.967926,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.264570,58.967926,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,57.553711,-0.000000>,0.500000
<1.971677,58.260818,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.971677,58.260818,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.971677,58.260818,-0.000000>,0.500000
<1.264570,58.967926,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.264570,58.967926,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.264570,58.967926,-0.000000>,0.500000
<0.557464,59.675030,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.557464,59.675030,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.557464,59.675030,-0.000000>,0.500000
<0.174780,60.598911,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.174780,60.598911,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.174780,60.598911,-0.000000>,0.500000
<0.174780,61.598911,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.174780,61.598911,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.174780,61.598911,-0.000000>,0.500000
<0.174780,62.598911,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.174780,62.598911,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.174780,60.598911,-0.000000>,0.500000
<-0.207903,61.522789,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.207903,61.522789,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.557464,59.675030,-0.000000>,0.500000
<-0.149643,60.382137,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.149643,60.382137,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.149643,60.382137,-0.000000>,0.500000
<-1.073523,60.764820,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.073523,60.764820,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.073523,60.764820,-0.000000>,0.500000
<-1.997402,61.147507,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.997402,61.147507,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.997402,61.147507,-0.000000>,0.500000
<-2.921282,61.530190,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.921282,61.530190,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.921282,61.530190,-0.000000>,0.500000
<-3.921282,61.530190,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.921282,61.530190,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.921282,61.530190,-0.000000>,0.500000
<-4.921282,61.530190,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.921282,61.530190,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.921282,61.530190,-0.000000>,0.500000
<-5.921282,61.530190,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.921282,61.530190,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.921282,61.530190,-0.000000>,0.500000
<-3.845161,61.912872,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.845161,61.912872,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.149643,60.382137,-0.000000>,0.500000
<-0.856750,61.089245,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.856750,61.089245,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,57.553711,-0.000000>,0.500000
<2.296101,58.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,58.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,52.010433,-0.000000>,0.500000
<4.974885,53.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,53.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,48.010433,-0.000000>,0.500000
<5.357568,48.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,48.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,48.934315,-0.000000>,0.500000
<5.740252,49.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,49.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,49.858192,-0.000000>,0.500000
<5.740252,50.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,50.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,50.858192,-0.000000>,0.500000
<5.740252,51.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,51.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,49.858192,-0.000000>,0.500000
<6.122935,50.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,50.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,50.782074,-0.000000>,0.500000
<6.830042,51.489178,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.830042,51.489178,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.830042,51.489178,-0.000000>,0.500000
<7.537148,52.196285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.537148,52.196285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.537148,52.196285,-0.000000>,0.500000
<8.244255,52.903393,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.244255,52.903393,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,50.782074,-0.000000>,0.500000
<6.505619,51.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,51.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,51.705952,-0.000000>,0.500000
<6.505619,52.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,52.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,52.705952,-0.000000>,0.500000
<6.505619,53.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,53.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,53.705952,-0.000000>,0.500000
<6.505619,54.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,54.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,54.705952,-0.000000>,0.500000
<6.122935,55.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,55.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,55.629833,-0.000000>,0.500000
<5.740252,56.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,56.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,56.553711,-0.000000>,0.500000
<5.357568,57.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,57.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,54.705952,-0.000000>,0.500000
<6.505619,55.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,55.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,51.705952,-0.000000>,0.500000
<6.888302,52.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,52.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,52.629833,-0.000000>,0.500000
<7.270985,53.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,53.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,53.553711,-0.000000>,0.500000
<7.978092,54.260818,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.978092,54.260818,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.978092,54.260818,-0.000000>,0.500000
<8.685199,54.967926,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.685199,54.967926,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.685199,54.967926,-0.000000>,0.500000
<9.067883,55.891804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.067883,55.891804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.067883,55.891804,-0.000000>,0.500000
<9.067883,56.891804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.067883,56.891804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.067883,56.891804,-0.000000>,0.500000
<9.067883,57.891804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.067883,57.891804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.067883,55.891804,-0.000000>,0.500000
<9.450565,56.815685,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.450565,56.815685,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.685199,54.967926,-0.000000>,0.500000
<9.392305,55.675030,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.392305,55.675030,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.392305,55.675030,-0.000000>,0.500000
<10.316185,56.057716,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.316185,56.057716,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.316185,56.057716,-0.000000>,0.500000
<11.240065,56.440399,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.240065,56.440399,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.240065,56.440399,-0.000000>,0.500000
<12.163944,56.823082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.163944,56.823082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.163944,56.823082,-0.000000>,0.500000
<13.163944,56.823082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.163944,56.823082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.163944,56.823082,-0.000000>,0.500000
<14.163944,56.823082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.163944,56.823082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.163944,56.823082,-0.000000>,0.500000
<13.087824,57.205765,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.087824,57.205765,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.392305,55.675030,-0.000000>,0.500000
<10.099412,56.382137,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.099412,56.382137,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,53.553711,-0.000000>,0.500000
<7.978092,54.260818,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.978092,54.260818,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.978092,54.260818,-0.000000>,0.500000
<8.685199,54.967926,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.685199,54.967926,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.685199,54.967926,-0.000000>,0.500000
<9.392305,55.675030,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.392305,55.675030,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.392305,55.675030,-0.000000>,0.500000
<10.316185,56.057716,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.316185,56.057716,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.316185,56.057716,-0.000000>,0.500000
<11.240065,56.440399,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.240065,56.440399,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.392305,55.675030,-0.000000>,0.500000
<10.099412,56.382137,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.099412,56.382137,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.099412,56.382137,-0.000000>,0.500000
<10.482096,57.306019,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.482096,57.306019,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.482096,57.306019,-0.000000>,0.500000
<10.864779,58.229897,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.864779,58.229897,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.864779,58.229897,-0.000000>,0.500000
<10.864779,59.229897,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.864779,59.229897,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.864779,59.229897,-0.000000>,0.500000
<10.864779,60.229897,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.864779,60.229897,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.864779,58.229897,-0.000000>,0.500000
<11.247462,59.153778,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.247462,59.153778,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.099412,56.382137,-0.000000>,0.500000
<10.806520,57.089245,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.806520,57.089245,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.806520,57.089245,-0.000000>,0.500000
<11.513626,57.796352,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.513626,57.796352,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.513626,57.796352,-0.000000>,0.500000
<12.220733,58.503460,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.220733,58.503460,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.220733,58.503460,-0.000000>,0.500000
<12.927839,59.210564,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.927839,59.210564,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.927839,59.210564,-0.000000>,0.500000
<13.310523,60.134445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.310523,60.134445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.310523,60.134445,-0.000000>,0.500000
<13.310523,61.134445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.310523,61.134445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.310523,61.134445,-0.000000>,0.500000
<13.310523,62.134445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.310523,62.134445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.310523,60.134445,-0.000000>,0.500000
<13.693207,61.058323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.693207,61.058323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.927839,59.210564,-0.000000>,0.500000
<13.851719,59.593250,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.851719,59.593250,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.851719,59.593250,-0.000000>,0.500000
<14.851719,59.593250,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.851719,59.593250,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.851719,59.593250,-0.000000>,0.500000
<15.851719,59.593250,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.851719,59.593250,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.851719,59.593250,-0.000000>,0.500000
<16.851719,59.593250,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.851719,59.593250,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.851719,59.593250,-0.000000>,0.500000
<17.775599,59.210564,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.775599,59.210564,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.775599,59.210564,-0.000000>,0.500000
<18.699478,58.827881,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.699478,58.827881,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.851719,59.593250,-0.000000>,0.500000
<17.851719,59.593250,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.851719,59.593250,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.851719,59.593250,-0.000000>,0.500000
<14.775599,59.975933,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.775599,59.975933,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.927839,59.210564,-0.000000>,0.500000
<13.310523,60.134445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.310523,60.134445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.310523,60.134445,-0.000000>,0.500000
<13.693207,61.058323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.693207,61.058323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.693207,61.058323,-0.000000>,0.500000
<13.693207,62.058323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.693207,62.058323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.693207,62.058323,-0.000000>,0.500000
<13.693207,63.058323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.693207,63.058323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.693207,61.058323,-0.000000>,0.500000
<13.693207,62.058323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.693207,62.058323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.693207,62.058323,-0.000000>,0.500000
<13.693207,63.058323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.693207,63.058323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.693207,63.058323,-0.000000>,0.500000
<13.693207,64.058327,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.693207,64.058327,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.693207,64.058327,-0.000000>,0.500000
<14.075890,64.982201,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.075890,64.982201,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.075890,64.982201,-0.000000>,0.500000
<14.782996,65.689308,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.782996,65.689308,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.782996,65.689308,-0.000000>,0.500000
<15.490104,66.396416,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.490104,66.396416,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.075890,64.982201,-0.000000>,0.500000
<14.458573,65.906082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.458573,65.906082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.693207,64.058327,-0.000000>,0.500000
<13.693207,65.058327,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.693207,65.058327,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.693207,65.058327,-0.000000>,0.500000
<13.310523,65.982201,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.310523,65.982201,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.310523,65.982201,-0.000000>,0.500000
<12.927839,66.906082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.927839,66.906082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.927839,66.906082,-0.000000>,0.500000
<12.545156,67.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.545156,67.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.545156,67.829964,-0.000000>,0.500000
<11.838049,68.537071,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.838049,68.537071,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.838049,68.537071,-0.000000>,0.500000
<11.130942,69.244179,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.130942,69.244179,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.130942,69.244179,-0.000000>,0.500000
<10.423836,69.951286,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.423836,69.951286,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.545156,67.829964,-0.000000>,0.500000
<12.162473,68.753845,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.162473,68.753845,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.693207,65.058327,-0.000000>,0.500000
<13.693207,66.058327,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.693207,66.058327,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.693207,61.058323,-0.000000>,0.500000
<14.075890,61.982204,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.075890,61.982204,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.927839,59.210564,-0.000000>,0.500000
<13.634946,59.917671,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.634946,59.917671,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.634946,59.917671,-0.000000>,0.500000
<14.342053,60.624779,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.342053,60.624779,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.342053,60.624779,-0.000000>,0.500000
<15.049160,61.331886,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.049160,61.331886,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.049160,61.331886,-0.000000>,0.500000
<15.431843,62.255764,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.431843,62.255764,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.431843,62.255764,-0.000000>,0.500000
<15.814527,63.179646,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.814527,63.179646,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.814527,63.179646,-0.000000>,0.500000
<16.197210,64.103523,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.197210,64.103523,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.049160,61.331886,-0.000000>,0.500000
<15.756267,62.038994,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.756267,62.038994,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.756267,62.038994,-0.000000>,0.500000
<16.680145,62.421677,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.680145,62.421677,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.680145,62.421677,-0.000000>,0.500000
<17.604025,62.804359,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.604025,62.804359,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.604025,62.804359,-0.000000>,0.500000
<18.527905,63.187042,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.527905,63.187042,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.527905,63.187042,-0.000000>,0.500000
<19.527905,63.187042,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.527905,63.187042,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.527905,63.187042,-0.000000>,0.500000
<20.527905,63.187042,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.527905,63.187042,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.527905,63.187042,-0.000000>,0.500000
<19.451784,63.569725,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.451784,63.569725,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.756267,62.038994,-0.000000>,0.500000
<16.680145,62.421677,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.680145,62.421677,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.680145,62.421677,-0.000000>,0.500000
<17.604025,62.804359,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.604025,62.804359,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.604025,62.804359,-0.000000>,0.500000
<18.311132,63.511467,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.311132,63.511467,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.311132,63.511467,-0.000000>,0.500000
<19.018240,64.218575,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.018240,64.218575,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.604025,62.804359,-0.000000>,0.500000
<18.527905,63.187042,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.527905,63.187042,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.527905,63.187042,-0.000000>,0.500000
<19.451784,63.569725,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.451784,63.569725,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.451784,63.569725,-0.000000>,0.500000
<20.375664,63.952408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.375664,63.952408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.375664,63.952408,-0.000000>,0.500000
<21.375664,63.952408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.375664,63.952408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.375664,63.952408,-0.000000>,0.500000
<22.299543,63.569725,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.299543,63.569725,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.299543,63.569725,-0.000000>,0.500000
<23.223423,63.187042,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.223423,63.187042,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.375664,63.952408,-0.000000>,0.500000
<22.375664,63.952408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.375664,63.952408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.375664,63.952408,-0.000000>,0.500000
<21.082771,64.659515,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.082771,64.659515,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.082771,64.659515,-0.000000>,0.500000
<21.465454,65.583397,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.465454,65.583397,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.465454,65.583397,-0.000000>,0.500000
<21.848139,66.507278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.848139,66.507278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.848139,66.507278,-0.000000>,0.500000
<22.230822,67.431152,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.230822,67.431152,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.230822,67.431152,-0.000000>,0.500000
<22.230822,68.431152,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.230822,68.431152,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.230822,68.431152,-0.000000>,0.500000
<22.230822,69.431152,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.230822,69.431152,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.230822,69.431152,-0.000000>,0.500000
<22.230822,70.431152,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.230822,70.431152,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.230822,67.431152,-0.000000>,0.500000
<22.613504,68.355034,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.613504,68.355034,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.082771,64.659515,-0.000000>,0.500000
<21.789877,65.366623,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.789877,65.366623,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.375664,63.952408,-0.000000>,0.500000
<21.299543,64.335091,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.299543,64.335091,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.299543,64.335091,-0.000000>,0.500000
<22.223423,64.717773,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.223423,64.717773,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.223423,64.717773,-0.000000>,0.500000
<23.147303,65.100456,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.147303,65.100456,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.147303,65.100456,-0.000000>,0.500000
<24.147303,65.100456,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.147303,65.100456,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.147303,65.100456,-0.000000>,0.500000
<25.147303,65.100456,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.147303,65.100456,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.147303,65.100456,-0.000000>,0.500000
<24.147303,65.100456,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.147303,65.100456,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.147303,65.100456,-0.000000>,0.500000
<25.147303,65.100456,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.147303,65.100456,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.147303,65.100456,-0.000000>,0.500000
<26.147303,65.100456,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.147303,65.100456,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.147303,65.100456,-0.000000>,0.500000
<27.071182,65.483147,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.071182,65.483147,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.071182,65.483147,-0.000000>,0.500000
<27.778290,66.190247,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.778290,66.190247,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.778290,66.190247,-0.000000>,0.500000
<28.485395,66.897354,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.485395,66.897354,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.485395,66.897354,-0.000000>,0.500000
<29.192503,67.604462,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.192503,67.604462,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.071182,65.483147,-0.000000>,0.500000
<27.995062,65.865829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.995062,65.865829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.147303,65.100456,-0.000000>,0.500000
<27.147303,65.100456,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.147303,65.100456,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.147303,65.100456,-0.000000>,0.500000
<28.071182,64.717773,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.071182,64.717773,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.071182,64.717773,-0.000000>,0.500000
<28.995062,64.335091,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.995062,64.335091,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.995062,64.335091,-0.000000>,0.500000
<29.995062,64.335091,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.995062,64.335091,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.995062,64.335091,-0.000000>,0.500000
<30.995062,64.335091,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.995062,64.335091,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.995062,64.335091,-0.000000>,0.500000
<29.918941,63.952408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.918941,63.952408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.918941,63.952408,-0.000000>,0.500000
<30.626049,63.245304,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.626049,63.245304,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.626049,63.245304,-0.000000>,0.500000
<31.333155,62.538197,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.333155,62.538197,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.333155,62.538197,-0.000000>,0.500000
<32.040260,61.831089,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.040260,61.831089,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.918941,63.952408,-0.000000>,0.500000
<30.842821,63.569725,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.842821,63.569725,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.147303,65.100456,-0.000000>,0.500000
<28.147303,65.100456,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.147303,65.100456,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.147303,65.100456,-0.000000>,0.500000
<24.071182,65.483147,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.071182,65.483147,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.756267,62.038994,-0.000000>,0.500000
<16.463373,62.746098,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.463373,62.746098,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,53.553711,-0.000000>,0.500000
<7.653669,54.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,54.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.500000
<0.000000,37.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,37.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,37.000000,-0.000000>,0.500000
<0.000000,38.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,38.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.000000,-0.000000>,0.500000
<0.000000,39.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,39.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,39.000000,-0.000000>,0.500000
<0.382683,39.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,39.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,39.923878,-0.000000>,0.500000
<0.765367,40.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,40.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,39.000000,-0.000000>,0.500000
<0.000000,40.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,40.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.000000,-0.000000>,0.500000
<-0.382683,40.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,40.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,40.923878,-0.000000>,0.500000
<-0.765367,41.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,41.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,41.847759,-0.000000>,0.500000
<-1.472474,42.554867,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.472474,42.554867,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.472474,42.554867,-0.000000>,0.500000
<-2.179580,43.261974,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,43.261974,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,41.847759,-0.000000>,0.500000
<-1.148050,42.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,42.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.000000,-0.000000>,0.500000
<0.000000,41.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,41.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,41.000000,-0.000000>,0.500000
<0.382683,41.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,41.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,41.923878,-0.000000>,0.500000
<0.765367,42.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,42.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,42.847759,-0.000000>,0.500000
<0.765367,43.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,43.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,43.847759,-0.000000>,0.500000
<0.765367,44.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,44.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,42.847759,-0.000000>,0.500000
<1.148050,43.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,43.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,43.771637,-0.000000>,0.500000
<1.855157,44.478745,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,44.478745,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855157,44.478745,-0.000000>,0.500000
<2.562264,45.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.562264,45.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.562264,45.185852,-0.000000>,0.500000
<3.269371,45.892960,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.269371,45.892960,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,43.771637,-0.000000>,0.500000
<1.530734,44.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,44.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,41.000000,-0.000000>,0.500000
<0.000000,42.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,42.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.000000,-0.000000>,0.500000
<0.000000,43.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,43.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,43.000000,-0.000000>,0.500000
<-0.382683,43.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,43.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,43.923878,-0.000000>,0.500000
<-0.765367,44.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,44.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,43.000000,-0.000000>,0.500000
<-0.382683,43.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,43.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,43.923878,-0.000000>,0.500000
<-0.765367,44.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,44.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,44.847759,-0.000000>,0.500000
<-1.148050,45.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,45.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,45.771637,-0.000000>,0.500000
<-1.148050,46.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,46.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,46.771637,-0.000000>,0.500000
<-0.765367,47.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,47.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,47.695518,-0.000000>,0.500000
<-0.382683,48.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,48.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,46.771637,-0.000000>,0.500000
<-1.148050,47.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,47.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,45.771637,-0.000000>,0.500000
<-1.530734,46.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,46.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,46.695518,-0.000000>,0.500000
<-2.237840,47.402626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.237840,47.402626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.237840,47.402626,-0.000000>,0.500000
<-2.944947,48.109734,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.944947,48.109734,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.944947,48.109734,-0.000000>,0.500000
<-3.652054,48.816837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.652054,48.816837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.652054,48.816837,-0.000000>,0.500000
<-4.575933,49.199520,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.575933,49.199520,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.575933,49.199520,-0.000000>,0.500000
<-5.499813,49.582207,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.499813,49.582207,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.499813,49.582207,-0.000000>,0.500000
<-6.423693,49.964890,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.423693,49.964890,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.652054,48.816837,-0.000000>,0.500000
<-4.359161,49.523945,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,49.523945,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,46.695518,-0.000000>,0.500000
<-1.913417,47.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,47.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,43.000000,-0.000000>,0.500000
<0.000000,44.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,44.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,44.000000,-0.000000>,0.500000
<0.000000,45.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,45.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,45.000000,-0.000000>,0.500000
<-0.382683,45.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,45.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,45.923878,-0.000000>,0.500000
<-0.765367,46.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,46.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,45.000000,-0.000000>,0.500000
<0.000000,46.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,46.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,46.000000,-0.000000>,0.500000
<0.382683,46.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,46.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,46.923878,-0.000000>,0.500000
<0.765367,47.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,47.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,47.847759,-0.000000>,0.500000
<1.148050,48.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,48.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,46.000000,-0.000000>,0.500000
<0.382683,46.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,46.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,46.923878,-0.000000>,0.500000
<0.765367,47.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,47.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,47.847759,-0.000000>,0.500000
<1.148050,48.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,48.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,48.771637,-0.000000>,0.500000
<1.530734,49.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,49.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,49.695518,-0.000000>,0.500000
<2.237840,50.402626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.237840,50.402626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.237840,50.402626,-0.000000>,0.500000
<2.944947,51.109734,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.944947,51.109734,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,49.695518,-0.000000>,0.500000
<1.530734,50.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,50.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,50.695518,-0.000000>,0.500000
<1.148050,51.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,51.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,51.619396,-0.000000>,0.500000
<0.765367,52.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,52.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,52.543278,-0.000000>,0.500000
<0.058260,53.250385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.058260,53.250385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.058260,53.250385,-0.000000>,0.500000
<-0.648847,53.957489,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.648847,53.957489,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,52.543278,-0.000000>,0.500000
<0.382683,53.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,53.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,50.695518,-0.000000>,0.500000
<1.530734,51.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,51.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,49.695518,-0.000000>,0.500000
<1.913417,50.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,50.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,50.619396,-0.000000>,0.500000
<2.296101,51.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,51.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,51.543278,-0.000000>,0.500000
<3.003207,52.250385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.003207,52.250385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.003207,52.250385,-0.000000>,0.500000
<3.710314,52.957489,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,52.957489,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,52.957489,-0.000000>,0.500000
<4.092998,53.881371,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.092998,53.881371,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.092998,53.881371,-0.000000>,0.500000
<4.092998,54.881371,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.092998,54.881371,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.092998,54.881371,-0.000000>,0.500000
<4.092998,55.881371,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.092998,55.881371,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.092998,53.881371,-0.000000>,0.500000
<4.475681,54.805248,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.475681,54.805248,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,52.957489,-0.000000>,0.500000
<4.417421,53.664597,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.417421,53.664597,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.417421,53.664597,-0.000000>,0.500000
<5.341300,54.047279,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.341300,54.047279,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.341300,54.047279,-0.000000>,0.500000
<6.265180,54.429966,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.265180,54.429966,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.265180,54.429966,-0.000000>,0.500000
<7.189060,54.812649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.189060,54.812649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.189060,54.812649,-0.000000>,0.500000
<8.189059,54.812649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.189059,54.812649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.189059,54.812649,-0.000000>,0.500000
<9.189059,54.812649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.189059,54.812649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.189060,54.812649,-0.000000>,0.500000
<8.112939,55.195332,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.112939,55.195332,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.417421,53.664597,-0.000000>,0.500000
<5.124528,54.371704,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.124528,54.371704,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,51.543278,-0.000000>,0.500000
<2.678784,52.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,52.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,46.000000,-0.000000>,0.500000
<0.000000,47.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,47.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,47.000000,-0.000000>,0.500000
<0.000000,48.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,48.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,48.000000,-0.000000>,0.500000
<-0.382683,48.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,48.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,48.923878,-0.000000>,0.500000
<-0.765367,49.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,49.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,48.000000,-0.000000>,0.500000
<0.000000,49.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,49.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,49.000000,-0.000000>,0.500000
<0.382683,49.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,49.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,49.923878,-0.000000>,0.500000
<0.765367,50.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,50.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,50.847759,-0.000000>,0.500000
<1.148050,51.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,51.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,49.000000,-0.000000>,0.500000
<0.000000,50.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,50.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,50.000000,-0.000000>,0.500000
<-0.382683,50.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,50.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,50.923878,-0.000000>,0.500000
<-0.765367,51.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,51.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,51.847759,-0.000000>,0.500000
<-1.148050,52.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,52.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,52.771637,-0.000000>,0.500000
<-1.855157,53.478745,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.855157,53.478745,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.855157,53.478745,-0.000000>,0.500000
<-2.562264,54.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,54.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.562264,54.185852,-0.000000>,0.500000
<-3.269371,54.892960,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,54.892960,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,52.771637,-0.000000>,0.500000
<-1.530734,53.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,53.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,50.000000,-0.000000>,0.500000
<-0.382683,50.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,50.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,50.923878,-0.000000>,0.500000
<-0.765367,51.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,51.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,51.847759,-0.000000>,0.500000
<-1.148050,52.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,52.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,52.771637,-0.000000>,0.500000
<-1.148050,53.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,53.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,53.771637,-0.000000>,0.500000
<-1.148050,54.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,54.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,52.771637,-0.000000>,0.500000
<-1.530734,53.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,53.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,53.695518,-0.000000>,0.500000
<-1.913417,54.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,54.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,54.619396,-0.000000>,0.500000
<-2.296101,55.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,55.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,55.543278,-0.000000>,0.500000
<-3.003207,56.250385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.003207,56.250385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.003207,56.250385,-0.000000>,0.500000
<-3.927087,56.633068,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.927087,56.633068,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.927087,56.633068,-0.000000>,0.500000
<-4.850966,57.015751,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.850966,57.015751,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.850966,57.015751,-0.000000>,0.500000
<-5.774846,57.398434,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.774846,57.398434,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.003207,56.250385,-0.000000>,0.500000
<-3.710314,56.957489,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.710314,56.957489,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,55.543278,-0.000000>,0.500000
<-2.296101,56.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,56.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,56.543278,-0.000000>,0.500000
<-1.913417,57.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,57.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,57.467155,-0.000000>,0.500000
<-1.530734,58.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,58.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,58.391037,-0.000000>,0.500000
<-1.530734,59.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,59.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,59.391037,-0.000000>,0.500000
<-1.530734,60.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,60.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,58.391037,-0.000000>,0.500000
<-1.148050,59.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,59.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,59.314915,-0.000000>,0.500000
<-0.440944,60.022022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.440944,60.022022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.440944,60.022022,-0.000000>,0.500000
<0.266163,60.729130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.266163,60.729130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.266163,60.729130,-0.000000>,0.500000
<0.973270,61.436237,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.973270,61.436237,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,59.314915,-0.000000>,0.500000
<-0.765367,60.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,60.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,56.543278,-0.000000>,0.500000
<-2.296101,57.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,57.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,55.543278,-0.000000>,0.500000
<-2.678784,56.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,56.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,56.467155,-0.000000>,0.500000
<-3.061467,57.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,57.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,57.391037,-0.000000>,0.500000
<-3.444151,58.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,58.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,58.314915,-0.000000>,0.500000
<-4.151258,59.022022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.151258,59.022022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.151258,59.022022,-0.000000>,0.500000
<-4.858365,59.729130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.858365,59.729130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.858365,59.729130,-0.000000>,0.500000
<-5.565471,60.436237,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.565471,60.436237,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,58.314915,-0.000000>,0.500000
<-4.151258,59.022022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.151258,59.022022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.151258,59.022022,-0.000000>,0.500000
<-4.858365,59.729130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.858365,59.729130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.858365,59.729130,-0.000000>,0.500000
<-5.565471,60.436237,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.565471,60.436237,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.565471,60.436237,-0.000000>,0.500000
<-6.489351,60.818920,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.489351,60.818920,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.489351,60.818920,-0.000000>,0.500000
<-7.413230,61.201603,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.413230,61.201603,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.565471,60.436237,-0.000000>,0.500000
<-5.948154,61.360115,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.948154,61.360115,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.948154,61.360115,-0.000000>,0.500000
<-5.948154,62.360115,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.948154,62.360115,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.948154,62.360115,-0.000000>,0.500000
<-5.948154,63.360115,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.948154,63.360115,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.948154,63.360115,-0.000000>,0.500000
<-5.948154,64.360115,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.948154,64.360115,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.948154,61.360115,-0.000000>,0.500000
<-6.330838,62.283997,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.330838,62.283997,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.565471,60.436237,-0.000000>,0.500000
<-6.272578,61.143341,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.272578,61.143341,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.272578,61.143341,-0.000000>,0.500000
<-6.979685,61.850449,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.979685,61.850449,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.979685,61.850449,-0.000000>,0.500000
<-7.903564,62.233131,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.903564,62.233131,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.903564,62.233131,-0.000000>,0.500000
<-8.827444,62.615818,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.827444,62.615818,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.827444,62.615818,-0.000000>,0.500000
<-9.534551,63.322922,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.534551,63.322922,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.534551,63.322922,-0.000000>,0.500000
<-10.241657,64.030029,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.241657,64.030029,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.827444,62.615818,-0.000000>,0.500000
<-9.751324,62.998501,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.751324,62.998501,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.751324,62.998501,-0.000000>,0.500000
<-10.751324,62.998501,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.751324,62.998501,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.751324,62.998501,-0.000000>,0.500000
<-11.751324,62.998501,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.751324,62.998501,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.751324,62.998501,-0.000000>,0.500000
<-12.675203,62.615818,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.675203,62.615818,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.675203,62.615818,-0.000000>,0.500000
<-13.599082,62.233131,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.599082,62.233131,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.751324,62.998501,-0.000000>,0.500000
<-12.751324,62.998501,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.751324,62.998501,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.751324,62.998501,-0.000000>,0.500000
<-10.675203,63.381184,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.675203,63.381184,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.979685,61.850449,-0.000000>,0.500000
<-7.686791,62.557556,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.686791,62.557556,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,58.314915,-0.000000>,0.500000
<-3.826834,59.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,59.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,50.000000,-0.000000>,0.500000
<-0.382683,50.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,50.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,50.923878,-0.000000>,0.500000
<-0.765367,51.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,51.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,51.847759,-0.000000>,0.500000
<-1.148050,52.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,52.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,52.771637,-0.000000>,0.500000
<-1.855157,53.478745,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.855157,53.478745,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.855157,53.478745,-0.000000>,0.500000
<-2.562264,54.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,54.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.562264,54.185852,-0.000000>,0.500000
<-3.269371,54.892960,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,54.892960,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,52.771637,-0.000000>,0.500000
<-1.530734,53.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,53.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,53.695518,-0.000000>,0.500000
<-1.530734,54.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,54.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,54.695518,-0.000000>,0.500000
<-1.530734,55.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,55.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,55.695518,-0.000000>,0.500000
<-1.530734,56.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,56.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,56.695518,-0.000000>,0.500000
<-1.148050,57.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,57.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,57.619396,-0.000000>,0.500000
<-0.765367,58.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,58.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,56.695518,-0.000000>,0.500000
<-1.530734,57.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,57.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,53.695518,-0.000000>,0.500000
<-1.913417,54.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,54.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,54.619396,-0.000000>,0.500000
<-2.296101,55.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,55.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,55.543278,-0.000000>,0.500000
<-3.003207,56.250385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.003207,56.250385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.003207,56.250385,-0.000000>,0.500000
<-3.710314,56.957489,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.710314,56.957489,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.710314,56.957489,-0.000000>,0.500000
<-4.092998,57.881371,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.092998,57.881371,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.092998,57.881371,-0.000000>,0.500000
<-4.475681,58.805248,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.475681,58.805248,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.710314,56.957489,-0.000000>,0.500000
<-4.417421,57.664597,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.417421,57.664597,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.417421,57.664597,-0.000000>,0.500000
<-5.341300,58.047279,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.341300,58.047279,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.341300,58.047279,-0.000000>,0.500000
<-6.265180,58.429966,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.265180,58.429966,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.265180,58.429966,-0.000000>,0.500000
<-7.265180,58.429966,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.265180,58.429966,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.265180,58.429966,-0.000000>,0.500000
<-8.265180,58.429966,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.265180,58.429966,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.265180,58.429966,-0.000000>,0.500000
<-7.189060,58.812649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.189060,58.812649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.417421,57.664597,-0.000000>,0.500000
<-5.124528,58.371704,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.124528,58.371704,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,55.543278,-0.000000>,0.500000
<-2.678784,56.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,56.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,56.467155,-0.000000>,0.500000
<-3.061467,57.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,57.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,57.391037,-0.000000>,0.500000
<-3.444151,58.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,58.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,58.314915,-0.000000>,0.500000
<-3.444151,59.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,59.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,59.314915,-0.000000>,0.500000
<-3.444151,60.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,60.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,58.314915,-0.000000>,0.500000
<-3.444151,59.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,59.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,59.314915,-0.000000>,0.500000
<-3.444151,60.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,60.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,60.314915,-0.000000>,0.500000
<-3.444151,61.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,61.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,61.314915,-0.000000>,0.500000
<-3.826834,62.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,62.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,62.238796,-0.000000>,0.500000
<-4.533941,62.945904,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.533941,62.945904,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.533941,62.945904,-0.000000>,0.500000
<-5.241048,63.653008,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.241048,63.653008,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.241048,63.653008,-0.000000>,0.500000
<-5.948154,64.360115,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.948154,64.360115,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,62.238796,-0.000000>,0.500000
<-4.209518,63.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,63.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,61.314915,-0.000000>,0.500000
<-3.444151,62.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,62.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,62.314915,-0.000000>,0.500000
<-3.061467,63.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,63.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,63.238796,-0.000000>,0.500000
<-2.678784,64.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,64.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,64.162674,-0.000000>,0.500000
<-2.678784,65.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,65.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,65.162674,-0.000000>,0.500000
<-2.678784,66.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,66.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,64.162674,-0.000000>,0.500000
<-2.296101,65.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,65.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,65.086555,-0.000000>,0.500000
<-1.588994,65.793663,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.588994,65.793663,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.588994,65.793663,-0.000000>,0.500000
<-0.881887,66.500771,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.881887,66.500771,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.881887,66.500771,-0.000000>,0.500000
<-0.174780,67.207878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.174780,67.207878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,65.086555,-0.000000>,0.500000
<-1.913417,66.010437,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,66.010437,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,62.314915,-0.000000>,0.500000
<-3.444151,63.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,63.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,58.314915,-0.000000>,0.500000
<-3.826834,59.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,59.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,59.238796,-0.000000>,0.500000
<-4.209518,60.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,60.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,60.162674,-0.000000>,0.500000
<-4.916625,60.869781,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.916625,60.869781,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.916625,60.869781,-0.000000>,0.500000
<-5.623731,61.576889,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.623731,61.576889,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,60.162674,-0.000000>,0.500000
<-4.592201,61.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,61.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,61.086555,-0.000000>,0.500000
<-4.592201,62.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,62.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,62.086555,-0.000000>,0.500000
<-4.592201,63.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,63.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,63.086555,-0.000000>,0.500000
<-4.592201,64.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,64.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,61.086555,-0.000000>,0.500000
<-4.974885,62.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,62.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,62.010433,-0.000000>,0.500000
<-5.681992,62.717541,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.681992,62.717541,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.681992,62.717541,-0.000000>,0.500000
<-6.389098,63.424648,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.389098,63.424648,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.389098,63.424648,-0.000000>,0.500000
<-7.096205,64.131752,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.096205,64.131752,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.096205,64.131752,-0.000000>,0.500000
<-8.020084,64.514435,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.020084,64.514435,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.020084,64.514435,-0.000000>,0.500000
<-8.943964,64.897118,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.943964,64.897118,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.943964,64.897118,-0.000000>,0.500000
<-9.867844,65.279808,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.867844,65.279808,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.096205,64.131752,-0.000000>,0.500000
<-7.803312,64.838860,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.803312,64.838860,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,62.010433,-0.000000>,0.500000
<-5.357568,62.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,62.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,62.934315,-0.000000>,0.500000
<-5.740252,63.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,63.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,63.858192,-0.000000>,0.500000
<-6.122935,64.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,64.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,64.782074,-0.000000>,0.500000
<-6.122935,65.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,65.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,65.782074,-0.000000>,0.500000
<-6.122935,66.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,66.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,64.782074,-0.000000>,0.500000
<-6.505619,65.705956,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,65.705956,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,65.705956,-0.000000>,0.500000
<-6.888302,66.629829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,66.629829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,66.629829,-0.000000>,0.500000
<-7.270985,67.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,67.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,67.553711,-0.000000>,0.500000
<-7.978092,68.260818,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.978092,68.260818,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.978092,68.260818,-0.000000>,0.500000
<-8.901972,68.643501,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.901972,68.643501,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.901972,68.643501,-0.000000>,0.500000
<-9.825851,69.026184,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.825851,69.026184,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.825851,69.026184,-0.000000>,0.500000
<-10.749731,69.408867,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.749731,69.408867,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.978092,68.260818,-0.000000>,0.500000
<-8.685199,68.967926,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.685199,68.967926,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,67.553711,-0.000000>,0.500000
<-7.270985,68.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,68.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,68.553711,-0.000000>,0.500000
<-6.888302,69.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,69.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,69.477592,-0.000000>,0.500000
<-6.505619,70.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,70.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,70.401466,-0.000000>,0.500000
<-6.505619,71.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,71.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,71.401466,-0.000000>,0.500000
<-6.505619,72.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,72.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,70.401466,-0.000000>,0.500000
<-6.122935,71.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,71.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,71.325348,-0.000000>,0.500000
<-5.415828,72.032455,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.415828,72.032455,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.415828,72.032455,-0.000000>,0.500000
<-4.708721,72.739563,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.708721,72.739563,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.708721,72.739563,-0.000000>,0.500000
<-4.001615,73.446671,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.001615,73.446671,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,71.325348,-0.000000>,0.500000
<-5.740252,72.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,72.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,68.553711,-0.000000>,0.500000
<-7.270985,69.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,69.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,67.553711,-0.000000>,0.500000
<-7.978092,68.260818,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.978092,68.260818,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.978092,68.260818,-0.000000>,0.500000
<-8.685199,68.967926,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.685199,68.967926,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.685199,68.967926,-0.000000>,0.500000
<-9.392305,69.675034,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.392305,69.675034,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.392305,69.675034,-0.000000>,0.500000
<-10.316185,70.057716,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.316185,70.057716,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.316185,70.057716,-0.000000>,0.500000
<-11.240065,70.440399,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.240065,70.440399,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.240065,70.440399,-0.000000>,0.500000
<-12.163944,70.823082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.163944,70.823082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.392305,69.675034,-0.000000>,0.500000
<-10.316185,70.057716,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.316185,70.057716,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.316185,70.057716,-0.000000>,0.500000
<-11.240065,70.440399,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.240065,70.440399,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.240065,70.440399,-0.000000>,0.500000
<-12.163944,70.823082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.163944,70.823082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.163944,70.823082,-0.000000>,0.500000
<-13.163944,70.823082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.163944,70.823082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.163944,70.823082,-0.000000>,0.500000
<-14.163944,70.823082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.163944,70.823082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.163944,70.823082,-0.000000>,0.500000
<-12.871051,71.530190,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.871051,71.530190,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.871051,71.530190,-0.000000>,0.500000
<-13.253735,72.454071,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.253735,72.454071,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.253735,72.454071,-0.000000>,0.500000
<-13.636417,73.377945,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.636417,73.377945,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.636417,73.377945,-0.000000>,0.500000
<-14.019101,74.301826,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.019101,74.301826,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.871051,71.530190,-0.000000>,0.500000
<-13.578157,72.237297,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.578157,72.237297,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.163944,70.823082,-0.000000>,0.500000
<-13.087824,71.205765,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.087824,71.205765,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.087824,71.205765,-0.000000>,0.500000
<-14.011703,71.588448,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.011703,71.588448,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.011703,71.588448,-0.000000>,0.500000
<-15.011703,71.588448,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.011703,71.588448,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.011703,71.588448,-0.000000>,0.500000
<-16.011703,71.588448,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.011703,71.588448,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.011703,71.588448,-0.000000>,0.500000
<-16.935583,71.971130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.935583,71.971130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.935583,71.971130,-0.000000>,0.500000
<-17.859463,72.353813,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.859463,72.353813,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.011703,71.588448,-0.000000>,0.500000
<-17.011703,71.588448,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.011703,71.588448,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.011703,71.588448,-0.000000>,0.500000
<-17.935583,71.205765,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.935583,71.205765,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.935583,71.205765,-0.000000>,0.500000
<-18.859463,70.823082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.859463,70.823082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.859463,70.823082,-0.000000>,0.500000
<-19.566568,70.115974,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.566568,70.115974,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.566568,70.115974,-0.000000>,0.500000
<-20.273676,69.408867,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.273676,69.408867,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.859463,70.823082,-0.000000>,0.500000
<-19.783342,70.440399,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.783342,70.440399,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.011703,71.588448,-0.000000>,0.500000
<-18.011703,71.588448,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.011703,71.588448,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.011703,71.588448,-0.000000>,0.500000
<-14.935583,71.971130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.935583,71.971130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.392305,69.675034,-0.000000>,0.500000
<-10.099412,70.382141,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.099412,70.382141,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,67.553711,-0.000000>,0.500000
<-7.270985,68.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,68.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,68.553711,-0.000000>,0.500000
<-7.270985,69.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,69.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,69.553711,-0.000000>,0.500000
<-7.270985,70.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,70.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,70.553711,-0.000000>,0.500000
<-6.888302,71.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,71.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,71.477592,-0.000000>,0.500000
<-6.505619,72.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,72.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,70.553711,-0.000000>,0.500000
<-7.270985,71.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,71.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,71.553711,-0.000000>,0.500000
<-7.653669,72.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,72.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,72.477592,-0.000000>,0.500000
<-8.036352,73.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.036352,73.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.036352,73.401466,-0.000000>,0.500000
<-8.743459,74.108574,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.743459,74.108574,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.743459,74.108574,-0.000000>,0.500000
<-9.450565,74.815681,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.450565,74.815681,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.036352,73.401466,-0.000000>,0.500000
<-8.419036,74.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.419036,74.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,71.553711,-0.000000>,0.500000
<-7.270985,72.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,72.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,72.553711,-0.000000>,0.500000
<-6.888302,73.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,73.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,73.477592,-0.000000>,0.500000
<-6.505619,74.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,74.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,74.401466,-0.000000>,0.500000
<-6.505619,75.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,75.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,75.401466,-0.000000>,0.500000
<-6.505619,76.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,76.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,74.401466,-0.000000>,0.500000
<-6.122935,75.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,75.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,75.325348,-0.000000>,0.500000
<-5.415828,76.032455,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.415828,76.032455,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.415828,76.032455,-0.000000>,0.500000
<-4.708721,76.739563,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.708721,76.739563,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.708721,76.739563,-0.000000>,0.500000
<-4.001615,77.446671,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.001615,77.446671,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,75.325348,-0.000000>,0.500000
<-5.740252,76.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,76.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,72.553711,-0.000000>,0.500000
<-6.888302,73.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,73.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,73.477592,-0.000000>,0.500000
<-6.505619,74.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,74.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,74.401466,-0.000000>,0.500000
<-6.122935,75.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,75.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,75.325348,-0.000000>,0.500000
<-6.122935,76.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,76.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,76.325348,-0.000000>,0.500000
<-6.122935,77.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,77.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,77.325348,-0.000000>,0.500000
<-6.122935,78.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,78.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,75.325348,-0.000000>,0.500000
<-5.740252,76.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,76.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,76.249229,-0.000000>,0.500000
<-5.357568,77.173111,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,77.173111,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,77.173111,-0.000000>,0.500000
<-4.974885,78.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,78.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,78.096985,-0.000000>,0.500000
<-4.974885,79.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,79.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,79.096985,-0.000000>,0.500000
<-4.974885,80.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,80.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,78.096985,-0.000000>,0.500000
<-4.267778,78.804092,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.267778,78.804092,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.267778,78.804092,-0.000000>,0.500000
<-3.343898,79.186775,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.343898,79.186775,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.343898,79.186775,-0.000000>,0.500000
<-2.420019,79.569466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.420019,79.569466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.420019,79.569466,-0.000000>,0.500000
<-1.496139,79.952148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.496139,79.952148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.267778,78.804092,-0.000000>,0.500000
<-3.560671,79.511200,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.560671,79.511200,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,78.096985,-0.000000>,0.500000
<-4.974885,79.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,79.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,79.096985,-0.000000>,0.500000
<-4.974885,80.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,80.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,80.096985,-0.000000>,0.500000
<-5.357568,81.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,81.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,81.020866,-0.000000>,0.500000
<-5.740252,81.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,81.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,81.944748,-0.000000>,0.500000
<-5.740252,82.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,82.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,82.944748,-0.000000>,0.500000
<-5.740252,83.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,83.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,81.944748,-0.000000>,0.500000
<-6.122935,82.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,82.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,82.868629,-0.000000>,0.500000
<-6.830042,83.575737,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.830042,83.575737,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.830042,83.575737,-0.000000>,0.500000
<-7.537148,84.282837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.537148,84.282837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.537148,84.282837,-0.000000>,0.500000
<-8.461028,84.665527,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.461028,84.665527,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.461028,84.665527,-0.000000>,0.500000
<-9.384908,85.048210,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.384908,85.048210,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.537148,84.282837,-0.000000>,0.500000
<-8.244255,84.989944,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.244255,84.989944,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,82.868629,-0.000000>,0.500000
<-6.505619,83.792503,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,83.792503,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,80.096985,-0.000000>,0.500000
<-4.974885,81.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,81.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,78.096985,-0.000000>,0.500000
<-4.592201,79.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,79.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,79.020866,-0.000000>,0.500000
<-4.209518,79.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,79.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,79.944748,-0.000000>,0.500000
<-4.209518,80.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,80.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,80.944748,-0.000000>,0.500000
<-4.209518,81.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,81.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,79.944748,-0.000000>,0.500000
<-3.826834,80.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,80.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,80.868629,-0.000000>,0.500000
<-3.119728,81.575737,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.119728,81.575737,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.119728,81.575737,-0.000000>,0.500000
<-2.412621,82.282837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.412621,82.282837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.412621,82.282837,-0.000000>,0.500000
<-1.705514,82.989944,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.705514,82.989944,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,80.868629,-0.000000>,0.500000
<-3.119728,81.575737,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.119728,81.575737,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.119728,81.575737,-0.000000>,0.500000
<-2.412621,82.282837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.412621,82.282837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.412621,82.282837,-0.000000>,0.500000
<-1.705514,82.989944,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.705514,82.989944,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.705514,82.989944,-0.000000>,0.500000
<-0.998407,83.697052,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.998407,83.697052,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.998407,83.697052,-0.000000>,0.500000
<-0.074528,84.079735,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.074528,84.079735,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.074528,84.079735,-0.000000>,0.500000
<0.849352,84.462418,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.849352,84.462418,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.998407,83.697052,-0.000000>,0.500000
<-0.615724,84.620934,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.615724,84.620934,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.615724,84.620934,-0.000000>,0.500000
<-0.615724,85.620934,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.615724,85.620934,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.615724,85.620934,-0.000000>,0.500000
<-0.615724,86.620934,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.615724,86.620934,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.615724,86.620934,-0.000000>,0.500000
<-0.998407,87.544815,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.998407,87.544815,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.998407,87.544815,-0.000000>,0.500000
<-1.381091,88.468689,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.381091,88.468689,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.615724,86.620934,-0.000000>,0.500000
<-0.615724,87.620934,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.615724,87.620934,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.615724,84.620934,-0.000000>,0.500000
<-0.233040,85.544815,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.233040,85.544815,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.998407,83.697052,-0.000000>,0.500000
<-0.291300,84.404160,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.291300,84.404160,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.291300,84.404160,-0.000000>,0.500000
<0.415806,85.111267,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.415806,85.111267,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.415806,85.111267,-0.000000>,0.500000
<1.339686,85.493950,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.339686,85.493950,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.339686,85.493950,-0.000000>,0.500000
<2.263566,85.876633,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.263566,85.876633,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.263566,85.876633,-0.000000>,0.500000
<2.970672,86.583740,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.970672,86.583740,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.970672,86.583740,-0.000000>,0.500000
<3.353356,87.507622,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.353356,87.507622,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.353356,87.507622,-0.000000>,0.500000
<3.736039,88.431503,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.736039,88.431503,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.970672,86.583740,-0.000000>,0.500000
<3.677779,87.290848,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.677779,87.290848,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.263566,85.876633,-0.000000>,0.500000
<3.187445,86.259315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.187445,86.259315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.187445,86.259315,-0.000000>,0.500000
<4.187445,86.259315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.187445,86.259315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.187445,86.259315,-0.000000>,0.500000
<5.187445,86.259315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.187445,86.259315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.187445,86.259315,-0.000000>,0.500000
<6.187445,86.259315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.187445,86.259315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.187445,86.259315,-0.000000>,0.500000
<7.111324,85.876633,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.111324,85.876633,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.111324,85.876633,-0.000000>,0.500000
<8.035204,85.493950,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.035204,85.493950,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.187445,86.259315,-0.000000>,0.500000
<7.187445,86.259315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.187445,86.259315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.187445,86.259315,-0.000000>,0.500000
<4.111324,86.641998,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.111324,86.641998,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.415806,85.111267,-0.000000>,0.500000
<1.122913,85.818375,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.122913,85.818375,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,80.868629,-0.000000>,0.500000
<-3.444151,81.792503,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,81.792503,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,72.553711,-0.000000>,0.500000
<-7.270985,73.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,73.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,67.553711,-0.000000>,0.500000
<-7.653669,68.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,68.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,68.477592,-0.000000>,0.500000
<-8.036352,69.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.036352,69.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.036352,69.401466,-0.000000>,0.500000
<-8.743459,70.108574,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.743459,70.108574,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.743459,70.108574,-0.000000>,0.500000
<-9.450565,70.815681,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.450565,70.815681,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.036352,69.401466,-0.000000>,0.500000
<-8.419036,70.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.419036,70.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.419036,70.325348,-0.000000>,0.500000
<-8.419036,71.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.419036,71.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.419036,71.325348,-0.000000>,0.500000
<-8.419036,72.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.419036,72.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.419036,72.325348,-0.000000>,0.500000
<-8.419036,73.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.419036,73.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.419036,70.325348,-0.000000>,0.500000
<-8.801719,71.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.801719,71.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.801719,71.249229,-0.000000>,0.500000
<-9.508825,71.956337,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.508825,71.956337,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.508825,71.956337,-0.000000>,0.500000
<-10.215933,72.663445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.215933,72.663445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.215933,72.663445,-0.000000>,0.500000
<-10.923039,73.370552,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.923039,73.370552,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.923039,73.370552,-0.000000>,0.500000
<-11.846919,73.753235,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.846919,73.753235,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.846919,73.753235,-0.000000>,0.500000
<-12.770799,74.135918,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.770799,74.135918,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.770799,74.135918,-0.000000>,0.500000
<-13.694678,74.518600,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.694678,74.518600,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.923039,73.370552,-0.000000>,0.500000
<-11.630146,74.077660,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.630146,74.077660,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.801719,71.249229,-0.000000>,0.500000
<-9.184402,72.173111,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.184402,72.173111,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.184402,72.173111,-0.000000>,0.500000
<-9.567086,73.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.567086,73.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.567086,73.096985,-0.000000>,0.500000
<-9.567086,74.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.567086,74.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.567086,74.096985,-0.000000>,0.500000
<-9.567086,75.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.567086,75.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.567086,75.096985,-0.000000>,0.500000
<-9.949769,76.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.949769,76.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.949769,76.020866,-0.000000>,0.500000
<-10.656876,76.727974,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.656876,76.727974,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.656876,76.727974,-0.000000>,0.500000
<-11.363983,77.435081,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.363983,77.435081,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.949769,76.020866,-0.000000>,0.500000
<-10.332453,76.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.332453,76.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.567086,75.096985,-0.000000>,0.500000
<-9.567086,76.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.567086,76.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.567086,76.096985,-0.000000>,0.500000
<-9.184402,77.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.184402,77.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.184402,77.020866,-0.000000>,0.500000
<-8.801719,77.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.801719,77.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.801719,77.944748,-0.000000>,0.500000
<-8.419036,78.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.419036,78.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.419036,78.868629,-0.000000>,0.500000
<-7.711929,79.575737,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.711929,79.575737,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.711929,79.575737,-0.000000>,0.500000
<-7.004822,80.282837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.004822,80.282837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.419036,78.868629,-0.000000>,0.500000
<-8.036352,79.792503,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.036352,79.792503,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.567086,76.096985,-0.000000>,0.500000
<-9.567086,77.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.567086,77.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.567086,73.096985,-0.000000>,0.500000
<-9.949769,74.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.949769,74.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.949769,74.020866,-0.000000>,0.500000
<-10.332453,74.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.332453,74.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.332453,74.944748,-0.000000>,0.500000
<-10.715137,75.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.715137,75.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.715137,75.868629,-0.000000>,0.500000
<-11.422243,76.575737,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.422243,76.575737,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.422243,76.575737,-0.000000>,0.500000
<-12.129350,77.282837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.129350,77.282837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.129350,77.282837,-0.000000>,0.500000
<-12.836456,77.989944,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.836456,77.989944,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.715137,75.868629,-0.000000>,0.500000
<-11.422243,76.575737,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.422243,76.575737,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.422243,76.575737,-0.000000>,0.500000
<-12.129350,77.282837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.129350,77.282837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.129350,77.282837,-0.000000>,0.500000
<-12.836456,77.989944,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.836456,77.989944,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.836456,77.989944,-0.000000>,0.500000
<-13.760336,78.372627,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.760336,78.372627,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.760336,78.372627,-0.000000>,0.500000
<-14.684216,78.755318,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.684216,78.755318,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.836456,77.989944,-0.000000>,0.500000
<-13.219140,78.913826,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.219140,78.913826,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.219140,78.913826,-0.000000>,0.500000
<-13.219140,79.913826,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.219140,79.913826,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.219140,79.913826,-0.000000>,0.500000
<-13.219140,80.913826,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.219140,80.913826,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.219140,80.913826,-0.000000>,0.500000
<-13.219140,81.913826,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.219140,81.913826,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.219140,78.913826,-0.000000>,0.500000
<-13.601823,79.837708,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.601823,79.837708,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.836456,77.989944,-0.000000>,0.500000
<-13.543563,78.697052,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.543563,78.697052,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.543563,78.697052,-0.000000>,0.500000
<-14.250670,79.404160,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.250670,79.404160,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.250670,79.404160,-0.000000>,0.500000
<-15.174549,79.786842,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.174549,79.786842,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.174549,79.786842,-0.000000>,0.500000
<-16.098429,80.169525,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.098429,80.169525,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.098429,80.169525,-0.000000>,0.500000
<-16.805536,80.876633,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.805536,80.876633,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.805536,80.876633,-0.000000>,0.500000
<-17.512642,81.583740,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.512642,81.583740,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.098429,80.169525,-0.000000>,0.500000
<-17.022308,80.552208,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.022308,80.552208,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.022308,80.552208,-0.000000>,0.500000
<-18.022308,80.552208,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.022308,80.552208,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.022308,80.552208,-0.000000>,0.500000
<-19.022308,80.552208,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.022308,80.552208,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.022308,80.552208,-0.000000>,0.500000
<-19.946188,80.169525,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.946188,80.169525,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.946188,80.169525,-0.000000>,0.500000
<-20.870068,79.786842,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.870068,79.786842,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.022308,80.552208,-0.000000>,0.500000
<-20.022308,80.552208,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.022308,80.552208,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.022308,80.552208,-0.000000>,0.500000
<-17.946188,80.934891,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.946188,80.934891,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.250670,79.404160,-0.000000>,0.500000
<-14.957777,80.111267,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.957777,80.111267,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.715137,75.868629,-0.000000>,0.500000
<-11.422243,76.575737,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.422243,76.575737,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.422243,76.575737,-0.000000>,0.500000
<-12.129350,77.282837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.129350,77.282837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.129350,77.282837,-0.000000>,0.500000
<-12.836456,77.989944,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.836456,77.989944,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.836456,77.989944,-0.000000>,0.500000
<-13.219140,78.913826,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.219140,78.913826,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.219140,78.913826,-0.000000>,0.500000
<-13.601823,79.837708,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.601823,79.837708,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.836456,77.989944,-0.000000>,0.500000
<-13.543563,78.697052,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.543563,78.697052,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.543563,78.697052,-0.000000>,0.500000
<-14.467443,79.079735,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.467443,79.079735,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.467443,79.079735,-0.000000>,0.500000
<-15.391322,79.462418,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.391322,79.462418,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.391322,79.462418,-0.000000>,0.500000
<-16.391323,79.462418,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.391323,79.462418,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.391323,79.462418,-0.000000>,0.500000
<-17.391323,79.462418,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.391323,79.462418,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.391322,79.462418,-0.000000>,0.500000
<-16.315203,79.845108,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.315203,79.845108,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.543563,78.697052,-0.000000>,0.500000
<-14.250670,79.404160,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.250670,79.404160,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.250670,79.404160,-0.000000>,0.500000
<-14.633353,80.328041,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.633353,80.328041,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.633353,80.328041,-0.000000>,0.500000
<-15.016037,81.251923,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.016037,81.251923,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.016037,81.251923,-0.000000>,0.500000
<-15.723144,81.959030,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.723144,81.959030,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.723144,81.959030,-0.000000>,0.500000
<-16.430250,82.666130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.430250,82.666130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.016037,81.251923,-0.000000>,0.500000
<-15.398721,82.175797,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.398721,82.175797,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.398721,82.175797,-0.000000>,0.500000
<-15.398721,83.175797,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.398721,83.175797,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.398721,83.175797,-0.000000>,0.500000
<-15.398721,84.175797,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.398721,84.175797,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.398721,84.175797,-0.000000>,0.500000
<-15.398721,85.175797,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.398721,85.175797,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.398721,82.175797,-0.000000>,0.500000
<-15.781404,83.099678,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.781404,83.099678,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.250670,79.404160,-0.000000>,0.500000
<-14.957777,80.111267,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.957777,80.111267,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.957777,80.111267,-0.000000>,0.500000
<-15.664884,80.818375,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.664884,80.818375,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.664884,80.818375,-0.000000>,0.500000
<-16.371990,81.525482,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.371990,81.525482,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.371990,81.525482,-0.000000>,0.500000
<-17.295870,81.908165,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.295870,81.908165,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.295870,81.908165,-0.000000>,0.500000
<-18.219749,82.290848,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.219749,82.290848,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.219749,82.290848,-0.000000>,0.500000
<-19.143629,82.673531,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.143629,82.673531,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.371990,81.525482,-0.000000>,0.500000
<-17.079098,82.232590,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.079098,82.232590,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.079098,82.232590,-0.000000>,0.500000
<-17.786203,82.939697,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.786203,82.939697,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.786203,82.939697,-0.000000>,0.500000
<-18.493311,83.646805,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.493311,83.646805,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.493311,83.646805,-0.000000>,0.500000
<-19.417191,84.029488,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.417191,84.029488,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.417191,84.029488,-0.000000>,0.500000
<-20.341070,84.412170,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.341070,84.412170,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.493311,83.646805,-0.000000>,0.500000
<-18.875994,84.570679,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.875994,84.570679,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.875994,84.570679,-0.000000>,0.500000
<-18.875994,85.570679,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.875994,85.570679,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.875994,85.570679,-0.000000>,0.500000
<-18.875994,86.570679,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.875994,86.570679,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.875994,86.570679,-0.000000>,0.500000
<-18.875994,87.570679,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.875994,87.570679,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.875994,84.570679,-0.000000>,0.500000
<-19.258678,85.494560,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.258678,85.494560,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.493311,83.646805,-0.000000>,0.500000
<-19.417191,84.029488,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.417191,84.029488,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.417191,84.029488,-0.000000>,0.500000
<-20.341070,84.412170,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.341070,84.412170,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.341070,84.412170,-0.000000>,0.500000
<-21.341070,84.412170,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.341070,84.412170,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.341070,84.412170,-0.000000>,0.500000
<-22.341070,84.412170,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.341070,84.412170,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.341070,84.412170,-0.000000>,0.500000
<-23.264950,84.794853,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.264950,84.794853,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.264950,84.794853,-0.000000>,0.500000
<-24.188829,85.177536,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.188829,85.177536,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.341070,84.412170,-0.000000>,0.500000
<-23.341070,84.412170,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.341070,84.412170,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.341070,84.412170,-0.000000>,0.500000
<-24.264950,84.029488,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.264950,84.029488,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.264950,84.029488,-0.000000>,0.500000
<-25.188829,83.646805,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.188829,83.646805,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.188829,83.646805,-0.000000>,0.500000
<-25.895935,82.939697,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.895935,82.939697,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.895935,82.939697,-0.000000>,0.500000
<-26.603043,82.232590,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.603043,82.232590,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.188829,83.646805,-0.000000>,0.500000
<-26.112709,83.264114,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.112709,83.264114,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.341070,84.412170,-0.000000>,0.500000
<-24.341070,84.412170,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.341070,84.412170,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.341070,84.412170,-0.000000>,0.500000
<-21.264950,84.794853,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.264950,84.794853,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.493311,83.646805,-0.000000>,0.500000
<-18.875994,84.570679,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.875994,84.570679,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.875994,84.570679,-0.000000>,0.500000
<-19.258678,85.494560,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.258678,85.494560,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.258678,85.494560,-0.000000>,0.500000
<-19.965784,86.201668,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.965784,86.201668,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.965784,86.201668,-0.000000>,0.500000
<-20.672892,86.908775,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.672892,86.908775,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.258678,85.494560,-0.000000>,0.500000
<-19.641361,86.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.641361,86.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.641361,86.418442,-0.000000>,0.500000
<-19.641361,87.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.641361,87.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.641361,87.418442,-0.000000>,0.500000
<-19.641361,88.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.641361,88.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.641361,88.418442,-0.000000>,0.500000
<-19.641361,89.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.641361,89.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.641361,86.418442,-0.000000>,0.500000
<-19.641361,87.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.641361,87.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.641361,87.418442,-0.000000>,0.500000
<-19.641361,88.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.641361,88.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.641361,88.418442,-0.000000>,0.500000
<-19.641361,89.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.641361,89.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.641361,89.418442,-0.000000>,0.500000
<-19.641361,90.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.641361,90.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.641361,90.418442,-0.000000>,0.500000
<-19.258678,91.342323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.258678,91.342323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.258678,91.342323,-0.000000>,0.500000
<-18.875994,92.266197,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.875994,92.266197,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.641361,90.418442,-0.000000>,0.500000
<-20.024044,91.342323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.024044,91.342323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.024044,91.342323,-0.000000>,0.500000
<-20.731152,92.049423,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.731152,92.049423,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.731152,92.049423,-0.000000>,0.500000
<-21.438257,92.756531,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.438257,92.756531,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.438257,92.756531,-0.000000>,0.500000
<-22.362137,93.139214,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.362137,93.139214,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.362137,93.139214,-0.000000>,0.500000
<-23.286016,93.521896,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.286016,93.521896,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.438257,92.756531,-0.000000>,0.500000
<-22.145365,93.463638,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.145365,93.463638,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.024044,91.342323,-0.000000>,0.500000
<-20.406729,92.266197,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.406729,92.266197,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.641361,90.418442,-0.000000>,0.500000
<-19.641361,91.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.641361,91.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.641361,91.418442,-0.000000>,0.500000
<-19.641361,92.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.641361,92.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.641361,92.418442,-0.000000>,0.500000
<-19.258678,93.342323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.258678,93.342323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.258678,93.342323,-0.000000>,0.500000
<-18.875994,94.266197,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.875994,94.266197,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.875994,94.266197,-0.000000>,0.500000
<-18.875994,95.266197,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.875994,95.266197,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.875994,95.266197,-0.000000>,0.500000
<-19.258678,96.190079,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.258678,96.190079,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.258678,96.190079,-0.000000>,0.500000
<-19.641361,97.113960,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.641361,97.113960,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.875994,95.266197,-0.000000>,0.500000
<-18.875994,96.266197,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.875994,96.266197,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.875994,94.266197,-0.000000>,0.500000
<-18.493311,95.190079,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.493311,95.190079,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.493311,95.190079,-0.000000>,0.500000
<-17.786203,95.897186,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.786203,95.897186,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.786203,95.897186,-0.000000>,0.500000
<-17.079098,96.604294,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.079098,96.604294,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.079098,96.604294,-0.000000>,0.500000
<-16.371990,97.311401,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.371990,97.311401,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.371990,97.311401,-0.000000>,0.500000
<-15.448111,97.694084,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.448111,97.694084,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.448111,97.694084,-0.000000>,0.500000
<-14.524231,98.076767,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.524231,98.076767,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.371990,97.311401,-0.000000>,0.500000
<-15.664884,98.018509,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.664884,98.018509,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.493311,95.190079,-0.000000>,0.500000
<-18.110628,96.113960,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.110628,96.113960,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.641361,92.418442,-0.000000>,0.500000
<-19.641361,93.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.641361,93.418442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.641361,86.418442,-0.000000>,0.500000
<-20.024044,87.342323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.024044,87.342323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.493311,83.646805,-0.000000>,0.500000
<-19.200417,84.353905,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.200417,84.353905,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.200417,84.353905,-0.000000>,0.500000
<-19.907524,85.061012,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.907524,85.061012,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.907524,85.061012,-0.000000>,0.500000
<-20.614632,85.768120,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.614632,85.768120,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.614632,85.768120,-0.000000>,0.500000
<-21.538511,86.150803,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.538511,86.150803,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.538511,86.150803,-0.000000>,0.500000
<-22.462391,86.533485,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.462391,86.533485,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.462391,86.533485,-0.000000>,0.500000
<-23.386271,86.916176,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.386271,86.916176,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.614632,85.768120,-0.000000>,0.500000
<-21.321737,86.475227,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.321737,86.475227,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.321737,86.475227,-0.000000>,0.500000
<-21.704422,87.399109,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.704422,87.399109,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.704422,87.399109,-0.000000>,0.500000
<-22.087105,88.322990,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.087105,88.322990,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.087105,88.322990,-0.000000>,0.500000
<-22.469788,89.246864,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.469788,89.246864,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.469788,89.246864,-0.000000>,0.500000
<-22.469788,90.246864,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.469788,90.246864,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.469788,90.246864,-0.000000>,0.500000
<-22.469788,91.246864,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.469788,91.246864,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.469788,89.246864,-0.000000>,0.500000
<-22.852472,90.170746,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.852472,90.170746,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.321737,86.475227,-0.000000>,0.500000
<-22.028845,87.182335,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.028845,87.182335,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.028845,87.182335,-0.000000>,0.500000
<-22.735950,87.889442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.735950,87.889442,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.735950,87.889442,-0.000000>,0.500000
<-23.659830,88.272125,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.659830,88.272125,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.659830,88.272125,-0.000000>,0.500000
<-24.583710,88.654808,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.583710,88.654808,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.583710,88.654808,-0.000000>,0.500000
<-25.290817,89.361916,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.290817,89.361916,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.290817,89.361916,-0.000000>,0.500000
<-25.997925,90.069023,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.997925,90.069023,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.583710,88.654808,-0.000000>,0.500000
<-25.507589,89.037491,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.507589,89.037491,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.507589,89.037491,-0.000000>,0.500000
<-26.507589,89.037491,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.507589,89.037491,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.507589,89.037491,-0.000000>,0.500000
<-27.507589,89.037491,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.507589,89.037491,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.507589,89.037491,-0.000000>,0.500000
<-28.431469,88.654808,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.431469,88.654808,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.431469,88.654808,-0.000000>,0.500000
<-29.355349,88.272125,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.355349,88.272125,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.507589,89.037491,-0.000000>,0.500000
<-28.507589,89.037491,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.507589,89.037491,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.507589,89.037491,-0.000000>,0.500000
<-26.431469,89.420174,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.431469,89.420174,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.735950,87.889442,-0.000000>,0.500000
<-23.659830,88.272125,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.659830,88.272125,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.659830,88.272125,-0.000000>,0.500000
<-24.583710,88.654808,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.583710,88.654808,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.583710,88.654808,-0.000000>,0.500000
<-25.583710,88.654808,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.583710,88.654808,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.583710,88.654808,-0.000000>,0.500000
<-26.583710,88.654808,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.583710,88.654808,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.583710,88.654808,-0.000000>,0.500000
<-25.507589,89.037491,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.507589,89.037491,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.507589,89.037491,-0.000000>,0.500000
<-26.214697,89.744598,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.214697,89.744598,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.214697,89.744598,-0.000000>,0.500000
<-26.921804,90.451706,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.921804,90.451706,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.921804,90.451706,-0.000000>,0.500000
<-27.628910,91.158813,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.628910,91.158813,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.507589,89.037491,-0.000000>,0.500000
<-26.431469,89.420174,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.431469,89.420174,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.431469,89.420174,-0.000000>,0.500000
<-27.355349,89.802856,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.355349,89.802856,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.355349,89.802856,-0.000000>,0.500000
<-28.279228,90.185539,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.279228,90.185539,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.279228,90.185539,-0.000000>,0.500000
<-29.203108,90.568230,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.203108,90.568230,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.203108,90.568230,-0.000000>,0.500000
<-29.910215,91.275330,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.910215,91.275330,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.910215,91.275330,-0.000000>,0.500000
<-30.617321,91.982437,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.617321,91.982437,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.203108,90.568230,-0.000000>,0.500000
<-30.203108,90.568230,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.203108,90.568230,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.203108,90.568230,-0.000000>,0.500000
<-31.126987,90.185539,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.126987,90.185539,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.126987,90.185539,-0.000000>,0.500000
<-32.050869,89.802856,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.050869,89.802856,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.050869,89.802856,-0.000000>,0.500000
<-32.757973,89.095749,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.757973,89.095749,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.757973,89.095749,-0.000000>,0.500000
<-33.465080,88.388649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.465080,88.388649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.050869,89.802856,-0.000000>,0.500000
<-32.974747,89.420174,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.974747,89.420174,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.203108,90.568230,-0.000000>,0.500000
<-31.203108,90.568230,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.203108,90.568230,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.203108,90.568230,-0.000000>,0.500000
<-29.910215,91.275330,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.910215,91.275330,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.910215,91.275330,-0.000000>,0.500000
<-30.617321,91.982437,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.617321,91.982437,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.617321,91.982437,-0.000000>,0.500000
<-31.000006,92.906319,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000006,92.906319,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000006,92.906319,-0.000000>,0.500000
<-31.382689,93.830200,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.382689,93.830200,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.382689,93.830200,-0.000000>,0.500000
<-32.089794,94.537308,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.089794,94.537308,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.089794,94.537308,-0.000000>,0.500000
<-33.013676,94.919991,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.013676,94.919991,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.013676,94.919991,-0.000000>,0.500000
<-33.937553,95.302673,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.937553,95.302673,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.089794,94.537308,-0.000000>,0.500000
<-32.796902,95.244415,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.796902,95.244415,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.382689,93.830200,-0.000000>,0.500000
<-31.765371,94.754082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.765371,94.754082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.765371,94.754082,-0.000000>,0.500000
<-31.765371,95.754082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.765371,95.754082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.765371,95.754082,-0.000000>,0.500000
<-31.765371,96.754082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.765371,96.754082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.765371,96.754082,-0.000000>,0.500000
<-31.765371,97.754082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.765371,97.754082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.765371,97.754082,-0.000000>,0.500000
<-31.382689,98.677956,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.382689,98.677956,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.382689,98.677956,-0.000000>,0.500000
<-31.000006,99.601837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000006,99.601837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.765371,97.754082,-0.000000>,0.500000
<-31.765371,98.754082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.765371,98.754082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.765371,94.754082,-0.000000>,0.500000
<-32.148056,95.677956,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.148056,95.677956,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.617321,91.982437,-0.000000>,0.500000
<-31.324429,92.689545,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.324429,92.689545,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.203108,90.568230,-0.000000>,0.500000
<-30.126987,90.950912,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.126987,90.950912,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.126987,90.950912,-0.000000>,0.500000
<-31.050867,91.333595,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.050867,91.333595,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.050867,91.333595,-0.000000>,0.500000
<-31.974747,91.716278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.974747,91.716278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.974747,91.716278,-0.000000>,0.500000
<-32.681854,92.423386,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.681854,92.423386,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.681854,92.423386,-0.000000>,0.500000
<-33.388962,93.130493,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.388962,93.130493,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.974747,91.716278,-0.000000>,0.500000
<-32.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.898624,92.098961,-0.000000>,0.500000
<-33.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.898624,92.098961,-0.000000>,0.500000
<-34.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.898624,92.098961,-0.000000>,0.500000
<-35.822506,91.716278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.822506,91.716278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.822506,91.716278,-0.000000>,0.500000
<-36.746384,91.333595,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.746384,91.333595,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.898624,92.098961,-0.000000>,0.500000
<-35.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.898624,92.098961,-0.000000>,0.500000
<-33.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.898624,92.098961,-0.000000>,0.500000
<-34.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.898624,92.098961,-0.000000>,0.500000
<-35.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.898624,92.098961,-0.000000>,0.500000
<-36.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.898624,92.098961,-0.000000>,0.500000
<-37.822506,91.716278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.822506,91.716278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.822506,91.716278,-0.000000>,0.500000
<-38.529613,91.009171,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.529613,91.009171,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.529613,91.009171,-0.000000>,0.500000
<-39.236721,90.302063,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.236721,90.302063,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.822506,91.716278,-0.000000>,0.500000
<-38.746384,91.333595,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.746384,91.333595,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.898624,92.098961,-0.000000>,0.500000
<-37.822506,92.481644,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.822506,92.481644,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.822506,92.481644,-0.000000>,0.500000
<-38.529613,93.188751,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.529613,93.188751,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.529613,93.188751,-0.000000>,0.500000
<-39.236721,93.895859,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.236721,93.895859,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.236721,93.895859,-0.000000>,0.500000
<-39.943825,94.602966,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.943825,94.602966,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.943825,94.602966,-0.000000>,0.500000
<-40.326511,95.526840,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.326511,95.526840,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.326511,95.526840,-0.000000>,0.500000
<-40.709194,96.450722,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.709194,96.450722,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.943825,94.602966,-0.000000>,0.500000
<-40.650932,95.310074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.650932,95.310074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.822506,92.481644,-0.000000>,0.500000
<-38.746384,92.864326,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.746384,92.864326,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.898624,92.098961,-0.000000>,0.500000
<-37.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.898624,92.098961,-0.000000>,0.500000
<-38.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.898624,92.098961,-0.000000>,0.500000
<-39.822506,91.716278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.822506,91.716278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.822506,91.716278,-0.000000>,0.500000
<-40.746384,91.333595,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.746384,91.333595,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.898624,92.098961,-0.000000>,0.500000
<-39.822506,91.716278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.822506,91.716278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.822506,91.716278,-0.000000>,0.500000
<-40.746384,91.333595,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.746384,91.333595,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.746384,91.333595,-0.000000>,0.500000
<-41.670265,90.950912,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.670265,90.950912,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.670265,90.950912,-0.000000>,0.500000
<-42.670265,90.950912,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.670265,90.950912,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.670265,90.950912,-0.000000>,0.500000
<-43.594143,91.333595,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.594143,91.333595,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.594143,91.333595,-0.000000>,0.500000
<-44.518024,91.716278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.518024,91.716278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.670265,90.950912,-0.000000>,0.500000
<-43.670265,90.950912,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.670265,90.950912,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.670265,90.950912,-0.000000>,0.500000
<-42.594143,90.568230,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.594143,90.568230,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.594143,90.568230,-0.000000>,0.500000
<-43.301250,89.861122,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.301250,89.861122,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.301250,89.861122,-0.000000>,0.500000
<-44.008358,89.154015,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.008358,89.154015,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.008358,89.154015,-0.000000>,0.500000
<-44.715466,88.446907,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.715466,88.446907,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.715466,88.446907,-0.000000>,0.500000
<-45.098148,87.523026,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.098148,87.523026,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.098148,87.523026,-0.000000>,0.500000
<-45.480831,86.599144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.480831,86.599144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.480831,86.599144,-0.000000>,0.500000
<-45.863514,85.675270,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.863514,85.675270,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.715466,88.446907,-0.000000>,0.500000
<-45.422573,87.739799,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.422573,87.739799,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.594143,90.568230,-0.000000>,0.500000
<-43.518024,90.185539,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.518024,90.185539,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.898624,92.098961,-0.000000>,0.500000
<-39.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.898624,92.098961,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.898624,92.098961,-0.000000>,0.500000
<-33.822506,92.481644,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.822506,92.481644,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.735950,87.889442,-0.000000>,0.500000
<-23.443058,88.596550,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.443058,88.596550,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.715137,75.868629,-0.000000>,0.500000
<-11.097819,76.792503,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.097819,76.792503,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,50.000000,-0.000000>,0.500000
<0.000000,51.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,51.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, 59.206772, 118.413544>
look_at   <0, 59.206772,  0>
}
