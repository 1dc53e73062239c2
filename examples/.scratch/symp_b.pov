#include "colors.inc"
light_source { <143.388107, 143.388107, 143.388107> color White}

cone {
<0.000000,0.000000,-0.000000>,0.100000
<0.000000,10.000000,-0.000000>,1.000000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,10.000000,-0.000000>,1.000000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,1.000000
<0.000000,18.863270,-1.562834>,0.707000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,18.863270,-1.562834>,0.707000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.863270,-1.562834>,0.707000
<1.406550,26.719025,-2.948015>,0.499849
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.406550,26.719025,-2.948015>,0.499849
pigment {color red 1 green 1 blue 1}
}
cone {
<1.406550,26.719025,-2.948015>,0.499849
<2.451661,33.782684,-4.416535>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.451661,33.782684,-4.416535>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<2.451661,33.782684,-4.416535>,0.353393
<3.158543,40.133949,-5.902644>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.158543,40.133949,-5.902644>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<3.158543,40.133949,-5.902644>,0.249849
<3.558509,45.844501,-7.350904>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.558509,45.844501,-7.350904>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<3.558509,45.844501,-7.350904>,0.176643
<3.688517,50.978832,-8.716437>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.688517,50.978832,-8.716437>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<3.688517,50.978832,-8.716437>,0.124887
<3.588924,55.594955,-9.964757>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.588924,55.594955,-9.964757>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<3.588924,55.594955,-9.964757>,0.088295
<3.301497,59.745045,-11.071261>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.301497,59.745045,-11.071261>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.301497,59.745045,-11.071261>,0.062425
<2.867691,63.476036,-12.020461>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.867691,63.476036,-12.020461>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.301497,59.745045,-11.071261>,0.062425
<4.337510,62.384274,-12.091535>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.337510,62.384274,-12.091535>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.588924,55.594955,-9.964757>,0.088295
<4.903827,58.537781,-10.870543>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.903827,58.537781,-10.870543>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.903827,58.537781,-10.870543>,0.062425
<5.939841,61.177006,-11.890817>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.939841,61.177006,-11.890817>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.903827,58.537781,-10.870543>,0.062425
<6.460179,60.126003,-10.130249>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.460179,60.126003,-10.130249>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.688517,50.978832,-8.716437>,0.124887
<5.283051,54.259907,-9.445175>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.283051,54.259907,-9.445175>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<5.283051,54.259907,-9.445175>,0.088295
<6.597955,57.202732,-10.350962>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.597955,57.202732,-10.350962>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.597955,57.202732,-10.350962>,0.062425
<7.633968,59.841961,-11.371235>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.633968,59.841961,-11.371235>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.597955,57.202732,-10.350962>,0.062425
<8.154306,58.790955,-9.610667>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.154306,58.790955,-9.610667>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.283051,54.259907,-9.445175>,0.088295
<6.832206,56.039165,-8.342680>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.832206,56.039165,-8.342680>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.832206,56.039165,-8.342680>,0.062425
<8.388557,57.627392,-7.602386>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.388557,57.627392,-7.602386>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.832206,56.039165,-8.342680>,0.062425
<6.675721,56.811661,-6.699049>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.675721,56.811661,-6.699049>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.558509,45.844501,-7.350904>,0.176643
<5.421508,49.502407,-7.834841>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.421508,49.502407,-7.834841>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<5.421508,49.502407,-7.834841>,0.124887
<7.016043,52.783482,-8.563580>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.016043,52.783482,-8.563580>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<7.016043,52.783482,-8.563580>,0.088295
<8.330946,55.726307,-9.469365>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.330946,55.726307,-9.469365>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.330946,55.726307,-9.469365>,0.062425
<9.366960,58.365532,-10.489638>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.366960,58.365532,-10.489638>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.330946,55.726307,-9.469365>,0.062425
<9.887298,57.314529,-8.729071>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.887298,57.314529,-8.729071>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.016043,52.783482,-8.563580>,0.088295
<8.565197,54.562740,-7.461083>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.565197,54.562740,-7.461083>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.565197,54.562740,-7.461083>,0.062425
<10.121549,56.150963,-6.720789>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.121549,56.150963,-6.720789>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.565197,54.562740,-7.461083>,0.062425
<8.408712,55.335236,-5.817453>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.408712,55.335236,-5.817453>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.421508,49.502407,-7.834841>,0.124887
<6.893279,51.495449,-6.340366>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.893279,51.495449,-6.340366>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.893279,51.495449,-6.340366>,0.088295
<8.442432,53.274704,-5.237870>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.442432,53.274704,-5.237870>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.442432,53.274704,-5.237870>,0.062425
<9.998785,54.862930,-4.497576>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.998785,54.862930,-4.497576>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.442432,53.274704,-5.237870>,0.062425
<8.285948,54.047199,-3.594240>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.285948,54.047199,-3.594240>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.893279,51.495449,-6.340366>,0.088295
<6.406281,52.364594,-4.576964>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.406281,52.364594,-4.576964>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.406281,52.364594,-4.576964>,0.062425
<6.249796,53.137089,-2.933334>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.249796,53.137089,-2.933334>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.406281,52.364594,-4.576964>,0.062425
<5.071206,52.692261,-4.230162>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.071206,52.692261,-4.230162>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.158543,40.133949,-5.902644>,0.249849
<5.264975,44.211643,-6.070697>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.264975,44.211643,-6.070697>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<5.264975,44.211643,-6.070697>,0.176643
<7.127974,47.869549,-6.554634>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.127974,47.869549,-6.554634>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<7.127974,47.869549,-6.554634>,0.124887
<8.722509,51.150623,-7.283371>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.722509,51.150623,-7.283371>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.722509,51.150623,-7.283371>,0.088295
<10.037412,54.093449,-8.189157>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.037412,54.093449,-8.189157>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.037412,54.093449,-8.189157>,0.062425
<11.073424,56.732674,-9.209431>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.073424,56.732674,-9.209431>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.037412,54.093449,-8.189157>,0.062425
<11.593763,55.681671,-7.448864>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.593763,55.681671,-7.448864>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.722509,51.150623,-7.283371>,0.088295
<10.271663,52.929882,-6.180876>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.271663,52.929882,-6.180876>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.271663,52.929882,-6.180876>,0.062425
<11.828014,54.518105,-5.440582>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.828014,54.518105,-5.440582>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.271663,52.929882,-6.180876>,0.062425
<10.115178,53.702377,-4.537246>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.115178,53.702377,-4.537246>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.127974,47.869549,-6.554634>,0.124887
<8.599745,49.862587,-5.060159>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.599745,49.862587,-5.060159>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.599745,49.862587,-5.060159>,0.088295
<10.148898,51.641846,-3.957663>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.148898,51.641846,-3.957663>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.148898,51.641846,-3.957663>,0.062425
<11.705250,53.230068,-3.217369>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.705250,53.230068,-3.217369>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.148898,51.641846,-3.957663>,0.062425
<9.992414,52.414341,-2.314033>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.992414,52.414341,-2.314033>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.599745,49.862587,-5.060159>,0.088295
<8.112746,50.731735,-3.296757>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.112746,50.731735,-3.296757>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.112746,50.731735,-3.296757>,0.062425
<7.956262,51.504230,-1.653127>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.956262,51.504230,-1.653127>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.112746,50.731735,-3.296757>,0.062425
<6.777672,51.059402,-2.949955>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.777672,51.059402,-2.949955>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.264975,44.211643,-6.070697>,0.176643
<6.577439,46.443886,-4.165431>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.577439,46.443886,-4.165431>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<6.577439,46.443886,-4.165431>,0.124887
<8.049210,48.436928,-2.670956>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.049210,48.436928,-2.670956>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.049210,48.436928,-2.670956>,0.088295
<9.598363,50.216183,-1.568460>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.598363,50.216183,-1.568460>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.598363,50.216183,-1.568460>,0.062425
<11.154716,51.804405,-0.828167>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.154716,51.804405,-0.828167>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.598363,50.216183,-1.568460>,0.062425
<9.441879,50.988678,0.075169>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.441879,50.988678,0.075169>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.049210,48.436928,-2.670956>,0.088295
<7.562212,49.306072,-0.907555>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.562212,49.306072,-0.907555>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.562212,49.306072,-0.907555>,0.062425
<7.405727,50.078568,0.736075>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.405727,50.078568,0.736075>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.562212,49.306072,-0.907555>,0.062425
<6.227137,49.633739,-0.560753>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.227137,49.633739,-0.560753>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.577439,46.443886,-4.165431>,0.124887
<5.706804,47.421707,-2.335058>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.706804,47.421707,-2.335058>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<5.706804,47.421707,-2.335058>,0.088295
<5.219806,48.290852,-0.571656>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.219806,48.290852,-0.571656>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.219806,48.290852,-0.571656>,0.062425
<5.063322,49.063347,1.071973>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.063322,49.063347,1.071973>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.219806,48.290852,-0.571656>,0.062425
<3.884732,48.618523,-0.224855>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.884732,48.618523,-0.224855>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.706804,47.421707,-2.335058>,0.088295
<4.180279,47.791096,-2.213270>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.180279,47.791096,-2.213270>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.180279,47.791096,-2.213270>,0.062425
<2.845205,48.118763,-1.866468>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.845205,48.118763,-1.866468>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.180279,47.791096,-2.213270>,0.062425
<3.559225,47.923130,-3.114836>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.559225,47.923130,-3.114836>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.451661,33.782684,-4.416535>,0.353393
<4.760881,38.327988,-4.196681>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.760881,38.327988,-4.196681>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<4.760881,38.327988,-4.196681>,0.249849
<6.867313,42.405682,-4.364735>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.867313,42.405682,-4.364735>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<6.867313,42.405682,-4.364735>,0.176643
<8.730312,46.063591,-4.848671>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.730312,46.063591,-4.848671>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<8.730312,46.063591,-4.848671>,0.124887
<10.324847,49.344666,-5.577409>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.324847,49.344666,-5.577409>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<10.324847,49.344666,-5.577409>,0.088295
<11.639750,52.287487,-6.483195>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.639750,52.287487,-6.483195>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.639750,52.287487,-6.483195>,0.062425
<12.675763,54.926716,-7.503469>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.675763,54.926716,-7.503469>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.639750,52.287487,-6.483195>,0.062425
<13.196102,53.875710,-5.742901>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.196102,53.875710,-5.742901>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.324847,49.344666,-5.577409>,0.088295
<11.874001,51.123924,-4.474914>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.874001,51.123924,-4.474914>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.874001,51.123924,-4.474914>,0.062425
<13.430353,52.712147,-3.734620>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.430353,52.712147,-3.734620>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.874001,51.123924,-4.474914>,0.062425
<11.717516,51.896420,-2.831284>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.717516,51.896420,-2.831284>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.730312,46.063591,-4.848671>,0.124887
<10.202083,48.056629,-3.354196>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.202083,48.056629,-3.354196>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<10.202083,48.056629,-3.354196>,0.088295
<11.751237,49.835888,-2.251701>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.751237,49.835888,-2.251701>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.751237,49.835888,-2.251701>,0.062425
<13.307589,51.424110,-1.511407>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.307589,51.424110,-1.511407>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.751237,49.835888,-2.251701>,0.062425
<11.594752,50.608383,-0.608071>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.594752,50.608383,-0.608071>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.202083,48.056629,-3.354196>,0.088295
<9.715085,48.925774,-1.590795>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.715085,48.925774,-1.590795>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.715085,48.925774,-1.590795>,0.062425
<9.558600,49.698269,0.052835>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.558600,49.698269,0.052835>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.715085,48.925774,-1.590795>,0.062425
<8.380011,49.253445,-1.243993>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.380011,49.253445,-1.243993>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.867313,42.405682,-4.364735>,0.176643
<8.179777,44.637928,-2.459469>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.179777,44.637928,-2.459469>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<8.179777,44.637928,-2.459469>,0.124887
<9.651548,46.630966,-0.964994>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.651548,46.630966,-0.964994>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<9.651548,46.630966,-0.964994>,0.088295
<11.200702,48.410225,0.137502>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.200702,48.410225,0.137502>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.200702,48.410225,0.137502>,0.062425
<12.757053,49.998447,0.877796>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.757053,49.998447,0.877796>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.200702,48.410225,0.137502>,0.062425
<11.044217,49.182720,1.781132>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.044217,49.182720,1.781132>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.651548,46.630966,-0.964994>,0.088295
<9.164550,47.500114,0.798408>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.164550,47.500114,0.798408>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.164550,47.500114,0.798408>,0.062425
<9.008065,48.272610,2.442038>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.008065,48.272610,2.442038>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.164550,47.500114,0.798408>,0.062425
<7.829475,47.827782,1.145210>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.829475,47.827782,1.145210>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.179777,44.637928,-2.459469>,0.124887
<7.309143,45.615749,-0.629096>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.309143,45.615749,-0.629096>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<7.309143,45.615749,-0.629096>,0.088295
<6.822144,46.484894,1.134306>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.822144,46.484894,1.134306>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.822144,46.484894,1.134306>,0.062425
<6.665660,47.257389,2.777936>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.665660,47.257389,2.777936>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.822144,46.484894,1.134306>,0.062425
<5.487070,46.812565,1.481108>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.487070,46.812565,1.481108>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.309143,45.615749,-0.629096>,0.088295
<5.782618,45.985134,-0.507308>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.782618,45.985134,-0.507308>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.782618,45.985134,-0.507308>,0.062425
<4.447543,46.312805,-0.160506>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.447543,46.312805,-0.160506>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.782618,45.985134,-0.507308>,0.062425
<5.161563,46.117172,-1.408874>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.161563,46.117172,-1.408874>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.760881,38.327988,-4.196681>,0.249849
<5.821494,40.827858,-1.875979>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.821494,40.827858,-1.875979>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<5.821494,40.827858,-1.875979>,0.176643
<7.133957,43.060101,0.029287>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.133957,43.060101,0.029287>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<7.133957,43.060101,0.029287>,0.124887
<8.605728,45.053143,1.523762>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.605728,45.053143,1.523762>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.605728,45.053143,1.523762>,0.088295
<10.154882,46.832397,2.626258>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.154882,46.832397,2.626258>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.154882,46.832397,2.626258>,0.062425
<11.711234,48.420624,3.366552>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.711234,48.420624,3.366552>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.154882,46.832397,2.626258>,0.062425
<9.998398,47.604893,4.269888>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.998398,47.604893,4.269888>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.605728,45.053143,1.523762>,0.088295
<8.118730,45.922287,3.287164>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.118730,45.922287,3.287164>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.118730,45.922287,3.287164>,0.062425
<7.962245,46.694782,4.930794>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.962245,46.694782,4.930794>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.118730,45.922287,3.287164>,0.062425
<6.783656,46.249954,3.633966>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.783656,46.249954,3.633966>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.133957,43.060101,0.029287>,0.124887
<6.263323,44.037922,1.859660>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.263323,44.037922,1.859660>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.263323,44.037922,1.859660>,0.088295
<5.776324,44.907066,3.623062>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.776324,44.907066,3.623062>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.776324,44.907066,3.623062>,0.062425
<5.619840,45.679562,5.266692>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.619840,45.679562,5.266692>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.776324,44.907066,3.623062>,0.062425
<4.441250,45.234737,3.969864>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.441250,45.234737,3.969864>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.263323,44.037922,1.859660>,0.088295
<4.736797,44.407310,1.981448>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.736797,44.407310,1.981448>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.736797,44.407310,1.981448>,0.062425
<3.401723,44.734978,2.328250>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.401723,44.734978,2.328250>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.736797,44.407310,1.981448>,0.062425
<4.115743,44.539345,1.079882>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.115743,44.539345,1.079882>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.821494,40.827858,-1.875979>,0.176643
<4.519477,41.927860,-0.046472>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.519477,41.927860,-0.046472>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<4.519477,41.927860,-0.046472>,0.124887
<3.648842,42.905682,1.783901>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.648842,42.905682,1.783901>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<3.648842,42.905682,1.783901>,0.088295
<3.161844,43.774826,3.547303>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.161844,43.774826,3.547303>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.161844,43.774826,3.547303>,0.062425
<3.005359,44.547321,5.190933>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.005359,44.547321,5.190933>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.161844,43.774826,3.547303>,0.062425
<1.826770,44.102497,3.894105>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.826770,44.102497,3.894105>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.648842,42.905682,1.783901>,0.088295
<2.122317,43.275066,1.905689>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.122317,43.275066,1.905689>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.122317,43.275066,1.905689>,0.062425
<0.787242,43.602737,2.252491>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.787242,43.602737,2.252491>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.122317,43.275066,1.905689>,0.062425
<1.501263,43.407104,1.004123>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.501263,43.407104,1.004123>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.519477,41.927860,-0.046472>,0.124887
<2.827054,42.344265,-0.207602>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.827054,42.344265,-0.207602>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<2.827054,42.344265,-0.207602>,0.088295
<1.300529,42.713654,-0.085814>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300529,42.713654,-0.085814>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300529,42.713654,-0.085814>,0.062425
<-0.034545,43.041321,0.260987>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.034545,43.041321,0.260987>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300529,42.713654,-0.085814>,0.062425
<0.679475,42.845688,-0.987381>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.679475,42.845688,-0.987381>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.827054,42.344265,-0.207602>,0.088295
<2.321541,42.493202,-1.313705>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.321541,42.493202,-1.313705>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.321541,42.493202,-1.313705>,0.062425
<1.700486,42.625240,-2.215271>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.700486,42.625240,-2.215271>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.321541,42.493202,-1.313705>,0.062425
<2.817908,42.545624,-2.011168>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.817908,42.545624,-2.011168>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.406550,26.719025,-2.948015>,0.499849
<3.860866,31.785170,-2.270207>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.860866,31.785170,-2.270207>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<3.860866,31.785170,-2.270207>,0.353393
<6.170086,36.330471,-2.050354>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.170086,36.330471,-2.050354>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<6.170086,36.330471,-2.050354>,0.249849
<8.276519,40.408165,-2.218407>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.276519,40.408165,-2.218407>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<8.276519,40.408165,-2.218407>,0.176643
<10.139518,44.066074,-2.702344>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.139518,44.066074,-2.702344>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<10.139518,44.066074,-2.702344>,0.124887
<11.734053,47.347149,-3.431082>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.734053,47.347149,-3.431082>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<11.734053,47.347149,-3.431082>,0.088295
<13.048955,50.289970,-4.336867>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.048955,50.289970,-4.336867>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<13.048955,50.289970,-4.336867>,0.062425
<14.084969,52.929199,-5.357141>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.084969,52.929199,-5.357141>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.048955,50.289970,-4.336867>,0.062425
<14.605308,51.878193,-3.596573>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.605308,51.878193,-3.596573>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.734053,47.347149,-3.431082>,0.088295
<13.283206,49.126404,-2.328586>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.283206,49.126404,-2.328586>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<13.283206,49.126404,-2.328586>,0.062425
<14.839558,50.714630,-1.588292>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.839558,50.714630,-1.588292>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.283206,49.126404,-2.328586>,0.062425
<13.126721,49.898899,-0.684956>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.126721,49.898899,-0.684956>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.139518,44.066074,-2.702344>,0.124887
<11.611288,46.059113,-1.207869>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.611288,46.059113,-1.207869>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<11.611288,46.059113,-1.207869>,0.088295
<13.160442,47.838371,-0.105373>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.160442,47.838371,-0.105373>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<13.160442,47.838371,-0.105373>,0.062425
<14.716794,49.426594,0.634921>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.716794,49.426594,0.634921>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.160442,47.838371,-0.105373>,0.062425
<13.003958,48.610867,1.538257>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.003958,48.610867,1.538257>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.611288,46.059113,-1.207869>,0.088295
<11.124290,46.928257,0.555533>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.124290,46.928257,0.555533>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.124290,46.928257,0.555533>,0.062425
<10.967806,47.700752,2.199162>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.967806,47.700752,2.199162>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.124290,46.928257,0.555533>,0.062425
<9.789216,47.255928,0.902335>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.789216,47.255928,0.902335>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.276519,40.408165,-2.218407>,0.176643
<9.588983,42.640411,-0.313141>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.588983,42.640411,-0.313141>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<9.588983,42.640411,-0.313141>,0.124887
<11.060754,44.633450,1.181334>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.060754,44.633450,1.181334>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<11.060754,44.633450,1.181334>,0.088295
<12.609907,46.412708,2.283829>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.609907,46.412708,2.283829>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<12.609907,46.412708,2.283829>,0.062425
<14.166259,48.000931,3.024123>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.166259,48.000931,3.024123>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.609907,46.412708,2.283829>,0.062425
<12.453423,47.185204,3.927459>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.453423,47.185204,3.927459>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.060754,44.633450,1.181334>,0.088295
<10.573755,45.502598,2.944735>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.573755,45.502598,2.944735>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.573755,45.502598,2.944735>,0.062425
<10.417271,46.275093,4.588365>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.417271,46.275093,4.588365>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.573755,45.502598,2.944735>,0.062425
<9.238681,45.830265,3.291537>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.238681,45.830265,3.291537>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.588983,42.640411,-0.313141>,0.124887
<8.718348,43.618233,1.517232>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.718348,43.618233,1.517232>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.718348,43.618233,1.517232>,0.088295
<8.231350,44.487377,3.280633>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.231350,44.487377,3.280633>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.231350,44.487377,3.280633>,0.062425
<8.074865,45.259872,4.924263>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.074865,45.259872,4.924263>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.231350,44.487377,3.280633>,0.062425
<6.896276,44.815048,3.627435>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.896276,44.815048,3.627435>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.718348,43.618233,1.517232>,0.088295
<7.191823,43.987617,1.639020>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.191823,43.987617,1.639020>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.191823,43.987617,1.639020>,0.062425
<5.856749,44.315289,1.985821>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.856749,44.315289,1.985821>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.191823,43.987617,1.639020>,0.062425
<6.570769,44.119656,0.737454>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.570769,44.119656,0.737454>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.170086,36.330471,-2.050354>,0.249849
<7.230699,38.830341,0.270348>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.230699,38.830341,0.270348>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<7.230699,38.830341,0.270348>,0.176643
<8.543163,41.062584,2.175615>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.543163,41.062584,2.175615>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<8.543163,41.062584,2.175615>,0.124887
<10.014934,43.055622,3.670090>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.014934,43.055622,3.670090>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<10.014934,43.055622,3.670090>,0.088295
<11.564088,44.834881,4.772585>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.564088,44.834881,4.772585>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.564088,44.834881,4.772585>,0.062425
<13.120440,46.423107,5.512879>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.120440,46.423107,5.512879>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.564088,44.834881,4.772585>,0.062425
<11.407603,45.607376,6.416215>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.407603,45.607376,6.416215>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.014934,43.055622,3.670090>,0.088295
<9.527935,43.924770,5.433492>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.527935,43.924770,5.433492>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.527935,43.924770,5.433492>,0.062425
<9.371450,44.697266,7.077121>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.371450,44.697266,7.077121>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.527935,43.924770,5.433492>,0.062425
<8.192861,44.252438,5.780293>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.192861,44.252438,5.780293>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.543163,41.062584,2.175615>,0.124887
<7.672528,42.040405,4.005988>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.672528,42.040405,4.005988>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<7.672528,42.040405,4.005988>,0.088295
<7.185530,42.909550,5.769390>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.185530,42.909550,5.769390>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.185530,42.909550,5.769390>,0.062425
<7.029045,43.682045,7.413020>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.029045,43.682045,7.413020>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.185530,42.909550,5.769390>,0.062425
<5.850455,43.237221,6.116191>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.850455,43.237221,6.116191>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.672528,42.040405,4.005988>,0.088295
<6.146003,42.409790,4.127776>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.146003,42.409790,4.127776>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.146003,42.409790,4.127776>,0.062425
<4.810928,42.737461,4.474577>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.810928,42.737461,4.474577>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.146003,42.409790,4.127776>,0.062425
<5.524949,42.541828,3.226209>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.524949,42.541828,3.226209>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.230699,38.830341,0.270348>,0.176643
<5.928682,39.930344,2.099855>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.928682,39.930344,2.099855>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<5.928682,39.930344,2.099855>,0.124887
<5.058048,40.908165,3.930229>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.058048,40.908165,3.930229>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<5.058048,40.908165,3.930229>,0.088295
<4.571049,41.777309,5.693631>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.571049,41.777309,5.693631>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.571049,41.777309,5.693631>,0.062425
<4.414565,42.549805,7.337261>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.414565,42.549805,7.337261>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.571049,41.777309,5.693631>,0.062425
<3.235975,42.104980,6.040432>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.235975,42.104980,6.040432>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.058048,40.908165,3.930229>,0.088295
<3.531522,41.277550,4.052017>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.531522,41.277550,4.052017>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.531522,41.277550,4.052017>,0.062425
<2.196448,41.605221,4.398818>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.196448,41.605221,4.398818>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.531522,41.277550,4.052017>,0.062425
<2.910468,41.409588,3.150450>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.910468,41.409588,3.150450>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.928682,39.930344,2.099855>,0.124887
<4.236259,40.346748,1.938725>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.236259,40.346748,1.938725>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<4.236259,40.346748,1.938725>,0.088295
<2.709734,40.716137,2.060513>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.709734,40.716137,2.060513>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.709734,40.716137,2.060513>,0.062425
<1.374660,41.043804,2.407315>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.374660,41.043804,2.407315>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.709734,40.716137,2.060513>,0.062425
<2.088680,40.848171,1.158947>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.088680,40.848171,1.158947>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.236259,40.346748,1.938725>,0.088295
<3.730746,40.495686,0.832623>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.730746,40.495686,0.832623>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.730746,40.495686,0.832623>,0.062425
<3.109692,40.627724,-0.068944>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.109692,40.627724,-0.068944>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.730746,40.495686,0.832623>,0.062425
<4.227113,40.548107,0.135160>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.227113,40.548107,0.135160>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.860866,31.785170,-2.270207>,0.353393
<4.568293,34.584419,0.453158>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.568293,34.584419,0.453158>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<4.568293,34.584419,0.453158>,0.249849
<5.628905,37.084286,2.773860>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.628905,37.084286,2.773860>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<5.628905,37.084286,2.773860>,0.176643
<6.941370,39.316532,4.679126>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.941370,39.316532,4.679126>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<6.941370,39.316532,4.679126>,0.124887
<8.413140,41.309570,6.173602>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.413140,41.309570,6.173602>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.413140,41.309570,6.173602>,0.088295
<9.962295,43.088829,7.276097>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.962295,43.088829,7.276097>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.962295,43.088829,7.276097>,0.062425
<11.518646,44.677052,8.016391>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.518646,44.677052,8.016391>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.962295,43.088829,7.276097>,0.062425
<9.805810,43.861324,8.919727>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.805810,43.861324,8.919727>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.413140,41.309570,6.173602>,0.088295
<7.926142,42.178715,7.937003>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.926142,42.178715,7.937003>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.926142,42.178715,7.937003>,0.062425
<7.769658,42.951210,9.580633>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.769658,42.951210,9.580633>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.926142,42.178715,7.937003>,0.062425
<6.591068,42.506386,8.283805>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.591068,42.506386,8.283805>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.941370,39.316532,4.679126>,0.124887
<6.070735,40.294350,6.509500>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.070735,40.294350,6.509500>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.070735,40.294350,6.509500>,0.088295
<5.583736,41.163498,8.272902>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.583736,41.163498,8.272902>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.583736,41.163498,8.272902>,0.062425
<5.427252,41.935993,9.916532>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.427252,41.935993,9.916532>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.583736,41.163498,8.272902>,0.062425
<4.248662,41.491165,8.619703>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.248662,41.491165,8.619703>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.070735,40.294350,6.509500>,0.088295
<4.544209,40.663738,6.631287>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.544209,40.663738,6.631287>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.544209,40.663738,6.631287>,0.062425
<3.209135,40.991405,6.978089>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.209135,40.991405,6.978089>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.544209,40.663738,6.631287>,0.062425
<3.923155,40.795773,5.729721>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.923155,40.795773,5.729721>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.628905,37.084286,2.773860>,0.176643
<4.326889,38.184288,4.603367>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.326889,38.184288,4.603367>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<4.326889,38.184288,4.603367>,0.124887
<3.456254,39.162109,6.433741>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.456254,39.162109,6.433741>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<3.456254,39.162109,6.433741>,0.088295
<2.969256,40.031258,8.197143>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.969256,40.031258,8.197143>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.969256,40.031258,8.197143>,0.062425
<2.812771,40.803753,9.840772>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.812771,40.803753,9.840772>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.969256,40.031258,8.197143>,0.062425
<1.634181,40.358925,8.543944>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.634181,40.358925,8.543944>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.456254,39.162109,6.433741>,0.088295
<1.929729,39.531498,6.555528>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.929729,39.531498,6.555528>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.929729,39.531498,6.555528>,0.062425
<0.594654,39.859165,6.902330>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.594654,39.859165,6.902330>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.929729,39.531498,6.555528>,0.062425
<1.308675,39.663532,5.653962>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.308675,39.663532,5.653962>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.326889,38.184288,4.603367>,0.124887
<2.634466,38.600697,4.442237>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.634466,38.600697,4.442237>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<2.634466,38.600697,4.442237>,0.088295
<1.107941,38.970081,4.564025>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.107941,38.970081,4.564025>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.107941,38.970081,4.564025>,0.062425
<-0.227134,39.297752,4.910827>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.227134,39.297752,4.910827>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.107941,38.970081,4.564025>,0.062425
<0.486887,39.102119,3.662458>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.486887,39.102119,3.662458>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.634466,38.600697,4.442237>,0.088295
<2.128953,38.749634,3.336134>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.128953,38.749634,3.336134>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.128953,38.749634,3.336134>,0.062425
<1.507898,38.881668,2.434568>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.507898,38.881668,2.434568>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.128953,38.749634,3.336134>,0.062425
<2.625320,38.802052,2.638671>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.625320,38.802052,2.638671>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.568293,34.584419,0.453158>,0.249849
<2.795921,35.821781,2.198603>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.795921,35.821781,2.198603>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<2.795921,35.821781,2.198603>,0.176643
<1.493905,36.921787,4.028110>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.493905,36.921787,4.028110>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<1.493905,36.921787,4.028110>,0.124887
<0.623270,37.899605,5.858483>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.623270,37.899605,5.858483>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.623270,37.899605,5.858483>,0.088295
<0.136272,38.768753,7.621885>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.136272,38.768753,7.621885>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.136272,38.768753,7.621885>,0.062425
<-0.020213,39.541248,9.265515>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.020213,39.541248,9.265515>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.136272,38.768753,7.621885>,0.062425
<-1.198803,39.096420,7.968687>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.198803,39.096420,7.968687>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.623270,37.899605,5.858483>,0.088295
<-0.903255,38.268993,5.980271>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.903255,38.268993,5.980271>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.903255,38.268993,5.980271>,0.062425
<-2.238330,38.596661,6.327073>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.238330,38.596661,6.327073>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.903255,38.268993,5.980271>,0.062425
<-1.524309,38.401028,5.078705>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.524309,38.401028,5.078705>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.493905,36.921787,4.028110>,0.124887
<-0.198518,37.338192,3.866980>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.198518,37.338192,3.866980>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.198518,37.338192,3.866980>,0.088295
<-1.725043,37.707577,3.988768>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.725043,37.707577,3.988768>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.725043,37.707577,3.988768>,0.062425
<-3.060118,38.035248,4.335569>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.060118,38.035248,4.335569>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.725043,37.707577,3.988768>,0.062425
<-2.346097,37.839615,3.087202>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.346097,37.839615,3.087202>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.198518,37.338192,3.866980>,0.088295
<-0.704032,37.487129,2.760877>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.704032,37.487129,2.760877>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.704032,37.487129,2.760877>,0.062425
<-1.325086,37.619164,1.859311>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.325086,37.619164,1.859311>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.704032,37.487129,2.760877>,0.062425
<-0.207664,37.539547,2.063414>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.207664,37.539547,2.063414>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.795921,35.821781,2.198603>,0.176643
<0.976709,36.291180,1.696191>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.976709,36.291180,1.696191>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<0.976709,36.291180,1.696191>,0.124887
<-0.715714,36.707584,1.535061>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.715714,36.707584,1.535061>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.715714,36.707584,1.535061>,0.088295
<-2.242239,37.076969,1.656849>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.242239,37.076969,1.656849>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.242239,37.076969,1.656849>,0.062425
<-3.577314,37.404640,2.003651>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.577314,37.404640,2.003651>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.242239,37.076969,1.656849>,0.062425
<-2.863294,37.209007,0.755283>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.863294,37.209007,0.755283>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.715714,36.707584,1.535061>,0.088295
<-1.221228,36.856522,0.428959>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.221228,36.856522,0.428959>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.221228,36.856522,0.428959>,0.062425
<-1.842282,36.988560,-0.472608>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.842282,36.988560,-0.472608>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.221228,36.856522,0.428959>,0.062425
<-0.724860,36.908939,-0.268504>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.724860,36.908939,-0.268504>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.976709,36.291180,1.696191>,0.124887
<0.637052,36.459179,0.388625>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.637052,36.459179,0.388625>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.637052,36.459179,0.388625>,0.088295
<0.131539,36.608116,-0.717478>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.131539,36.608116,-0.717478>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.131539,36.608116,-0.717478>,0.062425
<-0.489515,36.740154,-1.619044>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.489515,36.740154,-1.619044>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.131539,36.608116,-0.717478>,0.062425
<0.627907,36.660534,-1.414941>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.627907,36.660534,-1.414941>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.637052,36.459179,0.388625>,0.088295
<1.314724,36.518318,-0.278751>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.314724,36.518318,-0.278751>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.314724,36.518318,-0.278751>,0.062425
<1.811091,36.570736,-0.976214>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.811091,36.570736,-0.976214>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.314724,36.518318,-0.278751>,0.062425
<1.957413,36.539047,-0.101260>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.957413,36.539047,-0.101260>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.863270,-1.562834>,0.707000
<-5.455960,21.965414,-2.109825>,0.499849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.455960,21.965414,-2.109825>,0.499849
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.455960,21.965414,-2.109825>,0.499849
<-10.395300,24.725035,-1.740611>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.395300,24.725035,-1.740611>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.395300,24.725035,-1.740611>,0.353393
<-14.730980,27.179745,-0.637483>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.730980,27.179745,-0.637483>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.730980,27.179745,-0.637483>,0.249849
<-18.414282,29.363049,1.023649>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.414282,29.363049,1.023649>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.414282,29.363049,1.023649>,0.176643
<-21.429577,31.304798,3.078608>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.429577,31.304798,3.078608>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.429577,31.304798,3.078608>,0.124887
<-23.788818,33.031578,5.378880>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.788818,33.031578,5.378880>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.788818,33.031578,5.378880>,0.088295
<-25.526039,34.567066,7.794242>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.526039,34.567066,7.794242>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.526039,34.567066,7.794242>,0.062425
<-26.692005,35.932346,10.214228>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.692005,35.932346,10.214228>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.526039,34.567066,7.794242>,0.062425
<-27.784037,35.152657,7.567864>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.784037,35.152657,7.567864>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.788818,33.031578,5.378880>,0.088295
<-26.213560,33.691631,4.696169>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.213560,33.691631,4.696169>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.213560,33.691631,4.696169>,0.062425
<-28.471560,34.277218,4.469791>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.471560,34.277218,4.469791>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.213560,33.691631,4.696169>,0.062425
<-26.659218,33.928425,2.944577>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.659218,33.928425,2.944577>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.429577,31.304798,3.078608>,0.124887
<-23.948565,32.048759,1.864941>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.948565,32.048759,1.864941>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.948565,32.048759,1.864941>,0.088295
<-26.373306,32.708813,1.182230>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.373306,32.708813,1.182230>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.373306,32.708813,1.182230>,0.062425
<-28.631304,33.294403,0.955853>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.631304,33.294403,0.955853>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.373306,32.708813,1.182230>,0.062425
<-26.818964,32.945606,-0.569361>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.818964,32.945606,-0.569361>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.948565,32.048759,1.864941>,0.088295
<-24.098221,32.315853,-0.137166>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.098221,32.315853,-0.137166>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.098221,32.315853,-0.137166>,0.062425
<-24.543879,32.552647,-1.888757>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.543879,32.552647,-1.888757>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.098221,32.315853,-0.137166>,0.062425
<-22.929239,32.409950,-0.933840>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.929239,32.409950,-0.933840>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.414282,29.363049,1.023649>,0.176643
<-20.933880,30.201565,-0.788541>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.933880,30.201565,-0.788541>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.933880,30.201565,-0.788541>,0.124887
<-23.452869,30.945526,-2.002208>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.452869,30.945526,-2.002208>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.452869,30.945526,-2.002208>,0.088295
<-25.877611,31.605577,-2.684918>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.877611,31.605577,-2.684918>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.877611,31.605577,-2.684918>,0.062425
<-28.135609,32.191166,-2.911296>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.135609,32.191166,-2.911296>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.877611,31.605577,-2.684918>,0.062425
<-26.323269,31.842371,-4.436510>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.323269,31.842371,-4.436510>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.452869,30.945526,-2.002208>,0.088295
<-23.602526,31.212620,-4.004314>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.602526,31.212620,-4.004314>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.602526,31.212620,-4.004314>,0.062425
<-24.048183,31.449413,-5.755906>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.048183,31.449413,-5.755906>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.602526,31.212620,-4.004314>,0.062425
<-22.433544,31.306717,-4.800989>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.433544,31.306717,-4.800989>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.933880,30.201565,-0.788541>,0.124887
<-20.711409,30.502831,-3.007583>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.711409,30.502831,-3.007583>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.711409,30.502831,-3.007583>,0.088295
<-20.861065,30.769924,-5.009689>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.861065,30.769924,-5.009689>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.861065,30.769924,-5.009689>,0.062425
<-21.306723,31.006718,-6.761281>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.306723,31.006718,-6.761281>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.861065,30.769924,-5.009689>,0.062425
<-19.692085,30.864021,-5.806364>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.692085,30.864021,-5.806364>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.711409,30.502831,-3.007583>,0.088295
<-19.278660,30.608990,-3.653738>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.278660,30.608990,-3.653738>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.278660,30.608990,-3.653738>,0.062425
<-18.109678,30.703089,-4.450413>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.109678,30.703089,-4.450413>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.278660,30.608990,-3.653738>,0.062425
<-18.383961,30.646210,-3.010238>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.383961,30.646210,-3.010238>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.730980,27.179745,-0.637483>,0.249849
<-17.135813,28.124802,-3.103968>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.135813,28.124802,-3.103968>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.135813,28.124802,-3.103968>,0.176643
<-19.655411,28.963316,-4.916158>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.655411,28.963316,-4.916158>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.655411,28.963316,-4.916158>,0.124887
<-22.174400,29.707279,-6.129825>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.174400,29.707279,-6.129825>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.174400,29.707279,-6.129825>,0.088295
<-24.599142,30.367331,-6.812535>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.599142,30.367331,-6.812535>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.599142,30.367331,-6.812535>,0.062425
<-26.857140,30.952921,-7.038913>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.857140,30.952921,-7.038913>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.599142,30.367331,-6.812535>,0.062425
<-25.044800,30.604124,-8.564127>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.044800,30.604124,-8.564127>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.174400,29.707279,-6.129825>,0.088295
<-22.324057,29.974371,-8.131931>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.324057,29.974371,-8.131931>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.324057,29.974371,-8.131931>,0.062425
<-22.769714,30.211166,-9.883523>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.769714,30.211166,-9.883523>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.324057,29.974371,-8.131931>,0.062425
<-21.155075,30.068470,-8.928606>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.155075,30.068470,-8.928606>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.655411,28.963316,-4.916158>,0.124887
<-19.432940,29.264584,-7.135200>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.432940,29.264584,-7.135200>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.432940,29.264584,-7.135200>,0.088295
<-19.582596,29.531675,-9.137307>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.582596,29.531675,-9.137307>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.582596,29.531675,-9.137307>,0.062425
<-20.028254,29.768469,-10.888899>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.028254,29.768469,-10.888899>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.582596,29.531675,-9.137307>,0.062425
<-18.413614,29.625774,-9.933982>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.413614,29.625774,-9.933982>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.432940,29.264584,-7.135200>,0.088295
<-18.000191,29.370743,-7.781356>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000191,29.370743,-7.781356>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000191,29.370743,-7.781356>,0.062425
<-16.831209,29.464840,-8.578031>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.831209,29.464840,-8.578031>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000191,29.370743,-7.781356>,0.062425
<-17.105492,29.407961,-7.137855>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.105492,29.407961,-7.137855>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.135813,28.124802,-3.103968>,0.176643
<-16.464417,28.464611,-5.488523>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.464417,28.464611,-5.488523>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.464417,28.464611,-5.488523>,0.124887
<-16.241945,28.765879,-7.707566>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.241945,28.765879,-7.707566>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.241945,28.765879,-7.707566>,0.088295
<-16.391602,29.032970,-9.709673>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.391602,29.032970,-9.709673>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.391602,29.032970,-9.709673>,0.062425
<-16.837259,29.269764,-11.461265>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.837259,29.269764,-11.461265>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.391602,29.032970,-9.709673>,0.062425
<-15.222620,29.127069,-10.506348>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.222620,29.127069,-10.506348>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.241945,28.765879,-7.707566>,0.088295
<-14.809195,28.872038,-8.353722>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.809195,28.872038,-8.353722>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.809195,28.872038,-8.353722>,0.062425
<-13.640214,28.966135,-9.150396>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.640214,28.966135,-9.150396>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.809195,28.872038,-8.353722>,0.062425
<-13.914496,28.909256,-7.710221>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.914496,28.909256,-7.710221>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.464417,28.464611,-5.488523>,0.124887
<-14.772106,28.584377,-5.919098>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.772106,28.584377,-5.919098>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.772106,28.584377,-5.919098>,0.088295
<-13.339356,28.690536,-6.565254>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.339356,28.690536,-6.565254>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.339356,28.690536,-6.565254>,0.062425
<-12.170376,28.784634,-7.361928>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.170376,28.784634,-7.361928>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.339356,28.690536,-6.565254>,0.062425
<-12.444658,28.727755,-5.921753>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.444658,28.727755,-5.921753>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.772106,28.584377,-5.919098>,0.088295
<-13.917274,28.626369,-5.042350>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.917274,28.626369,-5.042350>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.917274,28.626369,-5.042350>,0.062425
<-13.022575,28.663588,-4.398850>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.022575,28.663588,-4.398850>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.917274,28.626369,-5.042350>,0.062425
<-14.149685,28.641073,-4.216910>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.149685,28.641073,-4.216910>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.395300,24.725035,-1.740611>,0.353393
<-12.548511,25.790140,-4.900073>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.548511,25.790140,-4.900073>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.548511,25.790140,-4.900073>,0.249849
<-14.953342,26.735197,-7.366557>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.953342,26.735197,-7.366557>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.953342,26.735197,-7.366557>,0.176643
<-17.472942,27.573713,-9.178747>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.472942,27.573713,-9.178747>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.472942,27.573713,-9.178747>,0.124887
<-19.991930,28.317675,-10.392414>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.991930,28.317675,-10.392414>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.991930,28.317675,-10.392414>,0.088295
<-22.416672,28.977726,-11.075125>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.416672,28.977726,-11.075125>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.416672,28.977726,-11.075125>,0.062425
<-24.674671,29.563316,-11.301502>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.674671,29.563316,-11.301502>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.416672,28.977726,-11.075125>,0.062425
<-22.862329,29.214520,-12.826716>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.862329,29.214520,-12.826716>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.991930,28.317675,-10.392414>,0.088295
<-20.141586,28.584768,-12.394521>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.141586,28.584768,-12.394521>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.141586,28.584768,-12.394521>,0.062425
<-20.587246,28.821562,-14.146112>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.587246,28.821562,-14.146112>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.141586,28.584768,-12.394521>,0.062425
<-18.972607,28.678865,-13.191195>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.972607,28.678865,-13.191195>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.472942,27.573713,-9.178747>,0.124887
<-17.250469,27.874979,-11.397790>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.250469,27.874979,-11.397790>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.250469,27.874979,-11.397790>,0.088295
<-17.400127,28.142071,-13.399897>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.400127,28.142071,-13.399897>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.400127,28.142071,-13.399897>,0.062425
<-17.845785,28.378866,-15.151488>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.845785,28.378866,-15.151488>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.400127,28.142071,-13.399897>,0.062425
<-16.231146,28.236170,-14.196571>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.231146,28.236170,-14.196571>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.250469,27.874979,-11.397790>,0.088295
<-15.817720,27.981138,-12.043945>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.817720,27.981138,-12.043945>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.817720,27.981138,-12.043945>,0.062425
<-14.648739,28.075235,-12.840620>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.648739,28.075235,-12.840620>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.817720,27.981138,-12.043945>,0.062425
<-14.923022,28.018356,-11.400445>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.923022,28.018356,-11.400445>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.953342,26.735197,-7.366557>,0.176643
<-14.281947,27.075006,-9.751113>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.281947,27.075006,-9.751113>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.281947,27.075006,-9.751113>,0.124887
<-14.059475,27.376274,-11.970156>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.059475,27.376274,-11.970156>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.059475,27.376274,-11.970156>,0.088295
<-14.209132,27.643366,-13.972262>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.209132,27.643366,-13.972262>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.209132,27.643366,-13.972262>,0.062425
<-14.654790,27.880159,-15.723854>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.654790,27.880159,-15.723854>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.209132,27.643366,-13.972262>,0.062425
<-13.040151,27.737465,-14.768937>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.040151,27.737465,-14.768937>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.059475,27.376274,-11.970156>,0.088295
<-12.626725,27.482433,-12.616311>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.626725,27.482433,-12.616311>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.626725,27.482433,-12.616311>,0.062425
<-11.457744,27.576530,-13.412986>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.457744,27.576530,-13.412986>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.626725,27.482433,-12.616311>,0.062425
<-11.732027,27.519651,-11.972811>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.732027,27.519651,-11.972811>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.281947,27.075006,-9.751113>,0.124887
<-12.589637,27.194773,-10.181688>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.589637,27.194773,-10.181688>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.589637,27.194773,-10.181688>,0.088295
<-11.156887,27.300932,-10.827844>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.156887,27.300932,-10.827844>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.156887,27.300932,-10.827844>,0.062425
<-9.987906,27.395029,-11.624518>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.987906,27.395029,-11.624518>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.156887,27.300932,-10.827844>,0.062425
<-10.262189,27.338150,-10.184343>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.262189,27.338150,-10.184343>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.589637,27.194773,-10.181688>,0.088295
<-11.734804,27.236765,-9.304940>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.734804,27.236765,-9.304940>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.734804,27.236765,-9.304940>,0.062425
<-10.840105,27.273983,-8.661440>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.840105,27.273983,-8.661440>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.734804,27.236765,-9.304940>,0.062425
<-11.967215,27.251469,-8.479500>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.967215,27.251469,-8.479500>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.548511,25.790140,-4.900073>,0.249849
<-11.354109,26.173420,-7.379075>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.354109,26.173420,-7.379075>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.354109,26.173420,-7.379075>,0.176643
<-10.682714,26.513229,-9.763631>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.682714,26.513229,-9.763631>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.682714,26.513229,-9.763631>,0.124887
<-10.460241,26.814497,-11.982674>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.460241,26.814497,-11.982674>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.460241,26.814497,-11.982674>,0.088295
<-10.609899,27.081589,-13.984780>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.609899,27.081589,-13.984780>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.609899,27.081589,-13.984780>,0.062425
<-11.055556,27.318382,-15.736372>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.055556,27.318382,-15.736372>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.609899,27.081589,-13.984780>,0.062425
<-9.440917,27.175688,-14.781455>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.440917,27.175688,-14.781455>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.460241,26.814497,-11.982674>,0.088295
<-9.027492,26.920656,-12.628829>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.027492,26.920656,-12.628829>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.027492,26.920656,-12.628829>,0.062425
<-7.858510,27.014753,-13.425504>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.858510,27.014753,-13.425504>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.027492,26.920656,-12.628829>,0.062425
<-8.132793,26.957874,-11.985329>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.132793,26.957874,-11.985329>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.682714,26.513229,-9.763631>,0.124887
<-8.990403,26.632996,-10.194206>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.990403,26.632996,-10.194206>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.990403,26.632996,-10.194206>,0.088295
<-7.557653,26.739155,-10.840362>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.557653,26.739155,-10.840362>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.557653,26.739155,-10.840362>,0.062425
<-6.388672,26.833254,-11.637036>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.388672,26.833254,-11.637036>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.557653,26.739155,-10.840362>,0.062425
<-6.662955,26.776375,-10.196861>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.662955,26.776375,-10.196861>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.990403,26.632996,-10.194206>,0.088295
<-8.135570,26.674988,-9.317458>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.135570,26.674988,-9.317458>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.135570,26.674988,-9.317458>,0.062425
<-7.240871,26.712208,-8.673957>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.240871,26.712208,-8.673957>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.135570,26.674988,-9.317458>,0.062425
<-8.367981,26.689692,-8.492018>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.367981,26.689692,-8.492018>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.354109,26.173420,-7.379075>,0.176643
<-9.419395,26.308537,-7.523695>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.419395,26.308537,-7.523695>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.419395,26.308537,-7.523695>,0.124887
<-7.727086,26.428303,-7.954269>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.727086,26.428303,-7.954269>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.727086,26.428303,-7.954269>,0.088295
<-6.294336,26.534462,-8.600425>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.294336,26.534462,-8.600425>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.294336,26.534462,-8.600425>,0.062425
<-5.125355,26.628559,-9.397099>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.125355,26.628559,-9.397099>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.294336,26.534462,-8.600425>,0.062425
<-5.399638,26.571680,-7.956924>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.399638,26.571680,-7.956924>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.727086,26.428303,-7.954269>,0.088295
<-6.872253,26.470295,-7.077521>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.872253,26.470295,-7.077521>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.872253,26.470295,-7.077521>,0.062425
<-5.977555,26.507513,-6.434021>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.977555,26.507513,-6.434021>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.872253,26.470295,-7.077521>,0.062425
<-7.104664,26.484999,-6.252081>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.104664,26.484999,-6.252081>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.419395,26.308537,-7.523695>,0.124887
<-8.653188,26.355913,-6.399417>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.653188,26.355913,-6.399417>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.653188,26.355913,-6.399417>,0.088295
<-7.798355,26.397905,-5.522669>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.798355,26.397905,-5.522669>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.798355,26.397905,-5.522669>,0.062425
<-6.903656,26.435123,-4.879168>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.903656,26.435123,-4.879168>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.798355,26.397905,-5.522669>,0.062425
<-8.030766,26.412609,-4.697228>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.030766,26.412609,-4.697228>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.653188,26.355913,-6.399417>,0.088295
<-9.066759,26.372503,-5.541040>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.066759,26.372503,-5.541040>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.066759,26.372503,-5.541040>,0.062425
<-9.299170,26.387205,-4.715600>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.299170,26.387205,-4.715600>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.066759,26.372503,-5.541040>,0.062425
<-9.731948,26.378309,-5.491318>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.731948,26.378309,-5.491318>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.455960,21.965414,-2.109825>,0.499849
<-7.200524,23.165777,-5.978124>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.200524,23.165777,-5.978124>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.200524,23.165777,-5.978124>,0.353393
<-9.353734,24.230883,-9.137586>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.353734,24.230883,-9.137586>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.353734,24.230883,-9.137586>,0.249849
<-11.758567,25.175940,-11.604070>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.758567,25.175940,-11.604070>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.758567,25.175940,-11.604070>,0.176643
<-14.278166,26.014456,-13.416261>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.278166,26.014456,-13.416261>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.278166,26.014456,-13.416261>,0.124887
<-16.797155,26.758417,-14.629928>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.797155,26.758417,-14.629928>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.797155,26.758417,-14.629928>,0.088295
<-19.221897,27.418468,-15.312638>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.221897,27.418468,-15.312638>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.221897,27.418468,-15.312638>,0.062425
<-21.479895,28.004059,-15.539016>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.479895,28.004059,-15.539016>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.221897,27.418468,-15.312638>,0.062425
<-19.667555,27.655262,-17.064230>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.667555,27.655262,-17.064230>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.797155,26.758417,-14.629928>,0.088295
<-16.946812,27.025511,-16.632034>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.946812,27.025511,-16.632034>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.946812,27.025511,-16.632034>,0.062425
<-17.392469,27.262304,-18.383627>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.392469,27.262304,-18.383627>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.946812,27.025511,-16.632034>,0.062425
<-15.777830,27.119608,-17.428709>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.777830,27.119608,-17.428709>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.278166,26.014456,-13.416261>,0.124887
<-14.055695,26.315722,-15.635303>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.055695,26.315722,-15.635303>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.055695,26.315722,-15.635303>,0.088295
<-14.205351,26.582813,-17.637409>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.205351,26.582813,-17.637409>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.205351,26.582813,-17.637409>,0.062425
<-14.651010,26.819609,-19.389002>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.651010,26.819609,-19.389002>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.205351,26.582813,-17.637409>,0.062425
<-13.036369,26.676912,-18.434084>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.036369,26.676912,-18.434084>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.055695,26.315722,-15.635303>,0.088295
<-12.622945,26.421881,-16.281458>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.622945,26.421881,-16.281458>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.622945,26.421881,-16.281458>,0.062425
<-11.453963,26.515978,-17.078133>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.453963,26.515978,-17.078133>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.622945,26.421881,-16.281458>,0.062425
<-11.728246,26.459099,-15.637958>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.728246,26.459099,-15.637958>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.758567,25.175940,-11.604070>,0.176643
<-11.087172,25.515749,-13.988626>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.087172,25.515749,-13.988626>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.087172,25.515749,-13.988626>,0.124887
<-10.864699,25.817017,-16.207668>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.864699,25.817017,-16.207668>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.864699,25.817017,-16.207668>,0.088295
<-11.014357,26.084108,-18.209776>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.014357,26.084108,-18.209776>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.014357,26.084108,-18.209776>,0.062425
<-11.460014,26.320902,-19.961367>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.460014,26.320902,-19.961367>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.014357,26.084108,-18.209776>,0.062425
<-9.845375,26.178207,-19.006451>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.845375,26.178207,-19.006451>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.864699,25.817017,-16.207668>,0.088295
<-9.431950,25.923174,-16.853825>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.431950,25.923174,-16.853825>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.431950,25.923174,-16.853825>,0.062425
<-8.262968,26.017273,-17.650499>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.262968,26.017273,-17.650499>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.431950,25.923174,-16.853825>,0.062425
<-8.537251,25.960394,-16.210323>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.537251,25.960394,-16.210323>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.087172,25.515749,-13.988626>,0.124887
<-9.394861,25.635515,-14.419201>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.394861,25.635515,-14.419201>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.394861,25.635515,-14.419201>,0.088295
<-7.962111,25.741674,-15.065356>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.962111,25.741674,-15.065356>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.962111,25.741674,-15.065356>,0.062425
<-6.793130,25.835772,-15.862031>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.793130,25.835772,-15.862031>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.962111,25.741674,-15.065356>,0.062425
<-7.067413,25.778893,-14.421856>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.067413,25.778893,-14.421856>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.394861,25.635515,-14.419201>,0.088295
<-8.540029,25.677507,-13.542453>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.540029,25.677507,-13.542453>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.540029,25.677507,-13.542453>,0.062425
<-7.645329,25.714725,-12.898952>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.645329,25.714725,-12.898952>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.540029,25.677507,-13.542453>,0.062425
<-8.772439,25.692211,-12.717012>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.772439,25.692211,-12.717012>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.353734,24.230883,-9.137586>,0.249849
<-8.159333,24.614162,-11.616588>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.159333,24.614162,-11.616588>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.159333,24.614162,-11.616588>,0.176643
<-7.487937,24.953972,-14.001143>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.487937,24.953972,-14.001143>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.487937,24.953972,-14.001143>,0.124887
<-7.265465,25.255239,-16.220186>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.265465,25.255239,-16.220186>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.265465,25.255239,-16.220186>,0.088295
<-7.415122,25.522331,-18.222294>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.415122,25.522331,-18.222294>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.415122,25.522331,-18.222294>,0.062425
<-7.860780,25.759125,-19.973885>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.860780,25.759125,-19.973885>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.415122,25.522331,-18.222294>,0.062425
<-6.246141,25.616430,-19.018969>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.246141,25.616430,-19.018969>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.265465,25.255239,-16.220186>,0.088295
<-5.832716,25.361399,-16.866343>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.832716,25.361399,-16.866343>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.832716,25.361399,-16.866343>,0.062425
<-4.663734,25.455496,-17.663017>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.663734,25.455496,-17.663017>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.832716,25.361399,-16.866343>,0.062425
<-4.938017,25.398617,-16.222841>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.938017,25.398617,-16.222841>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.487937,24.953972,-14.001143>,0.124887
<-5.795627,25.073738,-14.431719>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.795627,25.073738,-14.431719>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.795627,25.073738,-14.431719>,0.088295
<-4.362877,25.179897,-15.077874>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.362877,25.179897,-15.077874>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.362877,25.179897,-15.077874>,0.062425
<-3.193896,25.273996,-15.874549>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.193896,25.273996,-15.874549>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.362877,25.179897,-15.077874>,0.062425
<-3.468179,25.217117,-14.434374>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.468179,25.217117,-14.434374>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.795627,25.073738,-14.431719>,0.088295
<-4.940794,25.115730,-13.554971>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.940794,25.115730,-13.554971>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.940794,25.115730,-13.554971>,0.062425
<-4.046095,25.152950,-12.911470>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.046095,25.152950,-12.911470>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.940794,25.115730,-13.554971>,0.062425
<-5.173205,25.130434,-12.729530>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.173205,25.130434,-12.729530>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.159333,24.614162,-11.616588>,0.176643
<-6.224620,24.749279,-11.761208>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.224620,24.749279,-11.761208>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.224620,24.749279,-11.761208>,0.124887
<-4.532310,24.869045,-12.191782>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.532310,24.869045,-12.191782>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.532310,24.869045,-12.191782>,0.088295
<-3.099560,24.975204,-12.837937>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.099560,24.975204,-12.837937>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.099560,24.975204,-12.837937>,0.062425
<-1.930579,25.069302,-13.634612>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.930579,25.069302,-13.634612>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.099560,24.975204,-12.837937>,0.062425
<-2.204862,25.012423,-12.194437>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.204862,25.012423,-12.194437>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.532310,24.869045,-12.191782>,0.088295
<-3.677477,24.911037,-11.315034>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.677477,24.911037,-11.315034>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.677477,24.911037,-11.315034>,0.062425
<-2.782778,24.948256,-10.671534>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.782778,24.948256,-10.671534>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.677477,24.911037,-11.315034>,0.062425
<-3.909888,24.925739,-10.489594>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.909888,24.925739,-10.489594>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.224620,24.749279,-11.761208>,0.124887
<-5.458411,24.796656,-10.636930>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.458411,24.796656,-10.636930>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.458411,24.796656,-10.636930>,0.088295
<-4.603578,24.838648,-9.760181>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.603578,24.838648,-9.760181>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.603578,24.838648,-9.760181>,0.062425
<-3.708880,24.875866,-9.116681>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.708880,24.875866,-9.116681>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.603578,24.838648,-9.760181>,0.062425
<-4.835989,24.853352,-8.934741>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.835989,24.853352,-8.934741>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.458411,24.796656,-10.636930>,0.088295
<-5.871983,24.813244,-9.778553>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.871983,24.813244,-9.778553>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.871983,24.813244,-9.778553>,0.062425
<-6.104394,24.827948,-8.953113>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.104394,24.827948,-8.953113>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.871983,24.813244,-9.778553>,0.062425
<-6.537172,24.819052,-9.728830>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.537172,24.819052,-9.728830>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.200524,23.165777,-5.978124>,0.353393
<-5.415796,23.598087,-8.459539>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.415796,23.598087,-8.459539>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.415796,23.598087,-8.459539>,0.249849
<-4.221395,23.981367,-10.938541>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.221395,23.981367,-10.938541>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.221395,23.981367,-10.938541>,0.176643
<-3.549999,24.321178,-13.323098>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.549999,24.321178,-13.323098>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.549999,24.321178,-13.323098>,0.124887
<-3.327527,24.622444,-15.542140>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.327527,24.622444,-15.542140>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.327527,24.622444,-15.542140>,0.088295
<-3.477184,24.889538,-17.544247>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.477184,24.889538,-17.544247>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.477184,24.889538,-17.544247>,0.062425
<-3.922842,25.126331,-19.295839>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.922842,25.126331,-19.295839>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.477184,24.889538,-17.544247>,0.062425
<-2.308203,24.983635,-18.340921>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.308203,24.983635,-18.340921>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.327527,24.622444,-15.542140>,0.088295
<-1.894777,24.728603,-16.188295>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.894777,24.728603,-16.188295>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.894777,24.728603,-16.188295>,0.062425
<-0.725796,24.822701,-16.984970>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.725796,24.822701,-16.984970>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.894777,24.728603,-16.188295>,0.062425
<-1.000079,24.765821,-15.544795>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000079,24.765821,-15.544795>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.549999,24.321178,-13.323098>,0.124887
<-1.857689,24.440943,-13.753673>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.857689,24.440943,-13.753673>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.857689,24.440943,-13.753673>,0.088295
<-0.424939,24.547102,-14.399828>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.424939,24.547102,-14.399828>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.424939,24.547102,-14.399828>,0.062425
<0.744042,24.641201,-15.196503>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.744042,24.641201,-15.196503>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.424939,24.547102,-14.399828>,0.062425
<0.469759,24.584322,-13.756328>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.469759,24.584322,-13.756328>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.857689,24.440943,-13.753673>,0.088295
<-1.002856,24.482935,-12.876925>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.002856,24.482935,-12.876925>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.002856,24.482935,-12.876925>,0.062425
<-0.108157,24.520155,-12.233424>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.108157,24.520155,-12.233424>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.002856,24.482935,-12.876925>,0.062425
<-1.235267,24.497639,-12.051484>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.235267,24.497639,-12.051484>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.221395,23.981367,-10.938541>,0.176643
<-2.286682,24.116484,-11.083161>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.286682,24.116484,-11.083161>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.286682,24.116484,-11.083161>,0.124887
<-0.594372,24.236250,-11.513736>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.594372,24.236250,-11.513736>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.594372,24.236250,-11.513736>,0.088295
<0.838378,24.342409,-12.159891>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.838378,24.342409,-12.159891>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.838378,24.342409,-12.159891>,0.062425
<2.007359,24.436506,-12.956566>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.007359,24.436506,-12.956566>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.838378,24.342409,-12.159891>,0.062425
<1.733076,24.379627,-11.516391>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.733076,24.379627,-11.516391>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.594372,24.236250,-11.513736>,0.088295
<0.260461,24.278242,-10.636988>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.260461,24.278242,-10.636988>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.260461,24.278242,-10.636988>,0.062425
<1.155159,24.315460,-9.993487>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.155159,24.315460,-9.993487>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.260461,24.278242,-10.636988>,0.062425
<0.028050,24.292946,-9.811547>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.028050,24.292946,-9.811547>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.286682,24.116484,-11.083161>,0.124887
<-1.520473,24.163860,-9.958883>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.520473,24.163860,-9.958883>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.520473,24.163860,-9.958883>,0.088295
<-0.665640,24.205853,-9.082135>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.665640,24.205853,-9.082135>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.665640,24.205853,-9.082135>,0.062425
<0.229058,24.243071,-8.438635>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.229058,24.243071,-8.438635>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.665640,24.205853,-9.082135>,0.062425
<-0.898051,24.220556,-8.256696>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.898051,24.220556,-8.256696>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.520473,24.163860,-9.958883>,0.088295
<-1.934045,24.180450,-9.100507>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.934045,24.180450,-9.100507>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.934045,24.180450,-9.100507>,0.062425
<-2.166456,24.195154,-8.275067>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.166456,24.195154,-8.275067>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.934045,24.180450,-9.100507>,0.062425
<-2.599234,24.186256,-9.050784>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.599234,24.186256,-9.050784>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.415796,23.598087,-8.459539>,0.249849
<-3.271031,23.750521,-8.244514>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.271031,23.750521,-8.244514>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.271031,23.750521,-8.244514>,0.176643
<-1.336318,23.885637,-8.389133>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.336318,23.885637,-8.389133>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.336318,23.885637,-8.389133>,0.124887
<0.355992,24.005402,-8.819709>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.355992,24.005402,-8.819709>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.355992,24.005402,-8.819709>,0.088295
<1.788742,24.111561,-9.465864>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.788742,24.111561,-9.465864>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.788742,24.111561,-9.465864>,0.062425
<2.957723,24.205660,-10.262539>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.957723,24.205660,-10.262539>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.788742,24.111561,-9.465864>,0.062425
<2.683440,24.148781,-8.822364>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.683440,24.148781,-8.822364>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.355992,24.005402,-8.819709>,0.088295
<1.210825,24.047394,-7.942960>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.210825,24.047394,-7.942960>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.210825,24.047394,-7.942960>,0.062425
<2.105524,24.084614,-7.299460>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.105524,24.084614,-7.299460>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.210825,24.047394,-7.942960>,0.062425
<0.978414,24.062098,-7.117520>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.978414,24.062098,-7.117520>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.336318,23.885637,-8.389133>,0.124887
<-0.570109,23.933014,-7.264856>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.570109,23.933014,-7.264856>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.570109,23.933014,-7.264856>,0.088295
<0.284724,23.975004,-6.388108>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.284724,23.975004,-6.388108>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.284724,23.975004,-6.388108>,0.062425
<1.179422,24.012224,-5.744607>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.179422,24.012224,-5.744607>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.284724,23.975004,-6.388108>,0.062425
<0.052313,23.989708,-5.562667>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.052313,23.989708,-5.562667>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.570109,23.933014,-7.264856>,0.088295
<-0.983681,23.949602,-6.406480>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.983681,23.949602,-6.406480>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.983681,23.949602,-6.406480>,0.062425
<-1.216092,23.964306,-5.581039>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.216092,23.964306,-5.581039>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.983681,23.949602,-6.406480>,0.062425
<-1.648870,23.955410,-6.356757>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648870,23.955410,-6.356757>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.271031,23.750521,-8.244514>,0.176643
<-2.649554,23.803972,-6.866487>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.649554,23.803972,-6.866487>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.649554,23.803972,-6.866487>,0.124887
<-1.883346,23.851349,-5.742209>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.883346,23.851349,-5.742209>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.883346,23.851349,-5.742209>,0.088295
<-1.028513,23.893341,-4.865461>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.028513,23.893341,-4.865461>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.028513,23.893341,-4.865461>,0.062425
<-0.133815,23.930559,-4.221961>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.133815,23.930559,-4.221961>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.028513,23.893341,-4.865461>,0.062425
<-1.260924,23.908045,-4.040021>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.260924,23.908045,-4.040021>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.883346,23.851349,-5.742209>,0.088295
<-2.296918,23.867937,-4.883833>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296918,23.867937,-4.883833>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296918,23.867937,-4.883833>,0.062425
<-2.529329,23.882641,-4.058393>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.529329,23.882641,-4.058393>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296918,23.867937,-4.883833>,0.062425
<-2.962107,23.873745,-4.834110>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.962107,23.873745,-4.834110>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.649554,23.803972,-6.866487>,0.124887
<-3.267712,23.822689,-6.007025>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.267712,23.822689,-6.007025>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.267712,23.822689,-6.007025>,0.088295
<-3.681284,23.839277,-5.148648>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.681284,23.839277,-5.148648>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.681284,23.839277,-5.148648>,0.062425
<-3.913695,23.853981,-4.323208>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.913695,23.853981,-4.323208>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.681284,23.839277,-5.148648>,0.062425
<-4.346473,23.845085,-5.098926>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.346473,23.845085,-5.098926>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.267712,23.822689,-6.007025>,0.088295
<-4.005175,23.829241,-6.080959>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.005175,23.829241,-6.080959>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.005175,23.829241,-6.080959>,0.062425
<-4.670364,23.835047,-6.031237>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.670364,23.835047,-6.031237>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.005175,23.829241,-6.080959>,0.062425
<-4.218472,23.831533,-6.553914>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.218472,23.831533,-6.553914>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,1.000000
<0.000000,13.500000,6.062178>,0.707000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,13.500000,6.062178>,0.707000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.500000,6.062178>,0.707000
<-1.093984,16.602144,11.435249>,0.499849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.093984,16.602144,11.435249>,0.499849
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.093984,16.602144,11.435249>,0.499849
<-1.224366,19.361765,16.386654>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.224366,19.361765,16.386654>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.224366,19.361765,16.386654>,0.353393
<-0.563743,21.816475,20.811422>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.563743,21.816475,20.811422>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.563743,21.816475,20.811422>,0.249849
<0.717782,23.999779,24.643364>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.717782,23.999779,24.643364>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<0.717782,23.999779,24.643364>,0.176643
<2.458442,25.941528,27.850380>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.458442,25.941528,27.850380>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<2.458442,25.941528,27.850380>,0.124887
<4.509274,27.668308,30.429405>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.509274,27.668308,30.429405>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<4.509274,27.668308,30.429405>,0.088295
<6.737290,29.203796,32.401169>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.737290,29.203796,32.401169>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.737290,29.203796,32.401169>,0.062425
<9.027468,30.569077,33.805054>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.027468,30.569077,33.805054>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.737290,29.203796,32.401169>,0.062425
<6.284535,29.789385,34.624863>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.284535,29.789385,34.624863>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.509274,27.668308,30.429405>,0.088295
<3.585707,28.328360,32.773010>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.585707,28.328360,32.773010>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.585707,28.328360,32.773010>,0.062425
<3.132952,28.913950,34.996704>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.132952,28.913950,34.996704>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.585707,28.328360,32.773010>,0.062425
<1.798123,28.565153,33.039898>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.798123,28.565153,33.039898>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.458442,25.941528,27.850380>,0.124887
<0.997124,26.685490,30.234251>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.997124,26.685490,30.234251>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.997124,26.685490,30.234251>,0.088295
<0.073557,27.345543,32.577858>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.073557,27.345543,32.577858>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.073557,27.345543,32.577858>,0.062425
<-0.379198,27.931131,34.801552>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.379198,27.931131,34.801552>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.073557,27.345543,32.577858>,0.062425
<-1.714027,27.582336,32.844746>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.714027,27.582336,32.844746>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.997124,26.685490,30.234251>,0.088295
<-1.009872,26.952583,30.181402>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.009872,26.952583,30.181402>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.009872,26.952583,30.181402>,0.062425
<-2.797456,27.189377,30.448290>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.797456,27.189377,30.448290>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.009872,26.952583,30.181402>,0.062425
<-1.684698,27.046682,28.938093>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.684698,27.046682,28.938093>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.717782,23.999779,24.643364>,0.176643
<-1.339074,24.838295,26.967531>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.339074,24.838295,26.967531>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.339074,24.838295,26.967531>,0.124887
<-2.800392,25.582256,29.351400>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.800392,25.582256,29.351400>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.800392,25.582256,29.351400>,0.088295
<-3.723959,26.242308,31.695007>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.723959,26.242308,31.695007>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.723959,26.242308,31.695007>,0.062425
<-4.176714,26.827898,33.918701>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.176714,26.827898,33.918701>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.723959,26.242308,31.695007>,0.062425
<-5.511543,26.479101,31.961895>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.511543,26.479101,31.961895>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.800392,25.582256,29.351400>,0.088295
<-4.807389,25.849350,29.298552>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.807389,25.849350,29.298552>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.807389,25.849350,29.298552>,0.062425
<-6.594972,26.086143,29.565439>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.594972,26.086143,29.565439>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.807389,25.849350,29.298552>,0.062425
<-5.482214,25.943447,28.055243>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.482214,25.943447,28.055243>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.339074,24.838295,26.967531>,0.124887
<-3.524404,25.139561,26.522587>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.524404,25.139561,26.522587>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.524404,25.139561,26.522587>,0.088295
<-5.531400,25.406654,26.469738>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.531400,25.406654,26.469738>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.531400,25.406654,26.469738>,0.062425
<-7.318984,25.643448,26.736626>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.318984,25.643448,26.736626>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.531400,25.406654,26.469738>,0.062425
<-6.206226,25.500751,25.226429>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.206226,25.500751,25.226429>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.524404,25.139561,26.522587>,0.088295
<-4.022898,25.245720,25.032019>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.022898,25.245720,25.032019>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.022898,25.245720,25.032019>,0.062425
<-4.697724,25.339819,23.788710>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.697724,25.339819,23.788710>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.022898,25.245720,25.032019>,0.062425
<-3.292517,25.282940,24.206718>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.292517,25.282940,24.206718>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.563743,21.816475,20.811422>,0.249849
<-3.259999,22.761532,22.955477>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.259999,22.761532,22.955477>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.259999,22.761532,22.955477>,0.176643
<-5.316855,23.600046,25.279644>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.316855,23.600046,25.279644>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.316855,23.600046,25.279644>,0.124887
<-6.778173,24.344009,27.663515>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.778173,24.344009,27.663515>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.778173,24.344009,27.663515>,0.088295
<-7.701741,25.004061,30.007122>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.701741,25.004061,30.007122>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.701741,25.004061,30.007122>,0.062425
<-8.154496,25.589651,32.230816>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.154496,25.589651,32.230816>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.701741,25.004061,30.007122>,0.062425
<-9.489325,25.240854,30.274010>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.489325,25.240854,30.274010>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.778173,24.344009,27.663515>,0.088295
<-8.785171,24.611101,27.610666>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.785171,24.611101,27.610666>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.785171,24.611101,27.610666>,0.062425
<-10.572754,24.847897,27.877554>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.572754,24.847897,27.877554>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.785171,24.611101,27.610666>,0.062425
<-9.459996,24.705200,26.367357>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.459996,24.705200,26.367357>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.316855,23.600046,25.279644>,0.124887
<-7.502185,23.901314,24.834702>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.502185,23.901314,24.834702>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.502185,23.901314,24.834702>,0.088295
<-9.509182,24.168406,24.781851>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.509182,24.168406,24.781851>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.509182,24.168406,24.781851>,0.062425
<-11.296766,24.405201,25.048740>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.296766,24.405201,25.048740>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.509182,24.168406,24.781851>,0.062425
<-10.184009,24.262505,23.538542>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.184009,24.262505,23.538542>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.502185,23.901314,24.834702>,0.088295
<-8.000680,24.007473,23.344133>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000680,24.007473,23.344133>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000680,24.007473,23.344133>,0.062425
<-8.675506,24.101570,22.100824>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.675506,24.101570,22.100824>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000680,24.007473,23.344133>,0.062425
<-7.270299,24.044691,22.518831>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270299,24.044691,22.518831>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.259999,22.761532,22.955477>,0.176643
<-5.564764,23.101341,22.047216>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.564764,23.101341,22.047216>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.564764,23.101341,22.047216>,0.124887
<-7.750094,23.402609,21.602272>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.750094,23.402609,21.602272>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.750094,23.402609,21.602272>,0.088295
<-9.757091,23.669701,21.549423>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.757091,23.669701,21.549423>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.757091,23.669701,21.549423>,0.062425
<-11.544675,23.906494,21.816311>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.544675,23.906494,21.816311>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.757091,23.669701,21.549423>,0.062425
<-10.431917,23.763800,20.306114>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.431917,23.763800,20.306114>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.750094,23.402609,21.602272>,0.088295
<-8.248589,23.508768,20.111704>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.248589,23.508768,20.111704>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.248589,23.508768,20.111704>,0.062425
<-8.923414,23.602865,18.868395>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.923414,23.602865,18.868395>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.248589,23.508768,20.111704>,0.062425
<-7.518208,23.545986,19.286404>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.518208,23.545986,19.286404>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.564764,23.101341,22.047216>,0.124887
<-5.822620,23.221107,20.320133>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.822620,23.221107,20.320133>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.822620,23.221107,20.320133>,0.088295
<-6.321114,23.327267,18.829565>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.321114,23.327267,18.829565>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.321114,23.327267,18.829565>,0.062425
<-6.995940,23.421364,17.586256>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.995940,23.421364,17.586256>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.321114,23.327267,18.829565>,0.062425
<-5.590734,23.364485,18.004263>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.590734,23.364485,18.004263>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.822620,23.221107,20.320133>,0.088295
<-4.864196,23.263100,19.557997>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.864196,23.263100,19.557997>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.864196,23.263100,19.557997>,0.062425
<-4.133815,23.300318,18.732695>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.133815,23.300318,18.732695>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.864196,23.263100,19.557997>,0.062425
<-4.066376,23.277803,19.872402>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.066376,23.277803,19.872402>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.224366,19.361765,16.386654>,0.353393
<-4.584718,20.426870,18.210537>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.584718,20.426870,18.210537>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.584718,20.426870,18.210537>,0.249849
<-7.280974,21.371927,20.354591>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.280974,21.371927,20.354591>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.280974,21.371927,20.354591>,0.176643
<-9.337831,22.210443,22.678759>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.337831,22.210443,22.678759>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.337831,22.210443,22.678759>,0.124887
<-10.799149,22.954405,25.062630>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.799149,22.954405,25.062630>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.799149,22.954405,25.062630>,0.088295
<-11.722716,23.614456,27.406235>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.722716,23.614456,27.406235>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.722716,23.614456,27.406235>,0.062425
<-12.175471,24.200047,29.629930>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.175471,24.200047,29.629930>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.722716,23.614456,27.406235>,0.062425
<-13.510300,23.851250,27.673124>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.510300,23.851250,27.673124>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.799149,22.954405,25.062630>,0.088295
<-12.806145,23.221498,25.009781>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.806145,23.221498,25.009781>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.806145,23.221498,25.009781>,0.062425
<-14.593729,23.458292,25.276669>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.593729,23.458292,25.276669>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.806145,23.221498,25.009781>,0.062425
<-13.480971,23.315596,23.766472>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.480971,23.315596,23.766472>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.337831,22.210443,22.678759>,0.124887
<-11.523160,22.511709,22.233814>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.523160,22.511709,22.233814>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.523160,22.511709,22.233814>,0.088295
<-13.530157,22.778803,22.180965>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.530157,22.778803,22.180965>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.530157,22.778803,22.180965>,0.062425
<-15.317740,23.015596,22.447855>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.317740,23.015596,22.447855>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.530157,22.778803,22.180965>,0.062425
<-14.204983,22.872900,20.937656>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.204983,22.872900,20.937656>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.523160,22.511709,22.233814>,0.088295
<-12.021654,22.617868,20.743248>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.021654,22.617868,20.743248>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.021654,22.617868,20.743248>,0.062425
<-12.696481,22.711966,19.499939>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.696481,22.711966,19.499939>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.021654,22.617868,20.743248>,0.062425
<-11.291274,22.655087,19.917946>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.291274,22.655087,19.917946>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.280974,21.371927,20.354591>,0.176643
<-9.585739,21.711737,19.446331>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.585739,21.711737,19.446331>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.585739,21.711737,19.446331>,0.124887
<-11.771069,22.013004,19.001387>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.771069,22.013004,19.001387>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.771069,22.013004,19.001387>,0.088295
<-13.778066,22.280096,18.948538>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.778066,22.280096,18.948538>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.778066,22.280096,18.948538>,0.062425
<-15.565649,22.516890,19.215425>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.565649,22.516890,19.215425>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.778066,22.280096,18.948538>,0.062425
<-14.452891,22.374195,17.705229>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.452891,22.374195,17.705229>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.771069,22.013004,19.001387>,0.088295
<-12.269564,22.119164,17.510818>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.269564,22.119164,17.510818>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.269564,22.119164,17.510818>,0.062425
<-12.944389,22.213261,16.267509>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.944389,22.213261,16.267509>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.269564,22.119164,17.510818>,0.062425
<-11.539183,22.156382,16.685518>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.539183,22.156382,16.685518>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.585739,21.711737,19.446331>,0.124887
<-9.843595,21.831503,17.719246>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.843595,21.831503,17.719246>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.843595,21.831503,17.719246>,0.088295
<-10.342089,21.937662,16.228680>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.342089,21.937662,16.228680>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.342089,21.937662,16.228680>,0.062425
<-11.016914,22.031759,14.985370>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.016914,22.031759,14.985370>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.342089,21.937662,16.228680>,0.062425
<-9.611709,21.974880,15.403378>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.611709,21.974880,15.403378>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.843595,21.831503,17.719246>,0.088295
<-8.885171,21.873495,16.957111>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.885171,21.873495,16.957111>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.885171,21.873495,16.957111>,0.062425
<-8.154790,21.910713,16.131809>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.154790,21.910713,16.131809>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.885171,21.873495,16.957111>,0.062425
<-8.087351,21.888199,17.271517>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.087351,21.888199,17.271517>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.584718,20.426870,18.210537>,0.249849
<-6.930747,20.810150,16.772415>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.930747,20.810150,16.772415>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.930747,20.810150,16.772415>,0.176643
<-9.235512,21.149961,15.864155>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.235512,21.149961,15.864155>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.235512,21.149961,15.864155>,0.124887
<-11.420842,21.451227,15.419211>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.420842,21.451227,15.419211>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.420842,21.451227,15.419211>,0.088295
<-13.427839,21.718319,15.366362>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.427839,21.718319,15.366362>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.427839,21.718319,15.366362>,0.062425
<-15.215423,21.955114,15.633250>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.215423,21.955114,15.633250>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.427839,21.718319,15.366362>,0.062425
<-14.102665,21.812418,14.123053>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.102665,21.812418,14.123053>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.420842,21.451227,15.419211>,0.088295
<-11.919336,21.557386,13.928643>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.919336,21.557386,13.928643>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.919336,21.557386,13.928643>,0.062425
<-12.594162,21.651484,12.685334>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.594162,21.651484,12.685334>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.919336,21.557386,13.928643>,0.062425
<-11.188955,21.594604,13.103342>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.188955,21.594604,13.103342>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.235512,21.149961,15.864155>,0.124887
<-9.493368,21.269726,14.137071>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.493368,21.269726,14.137071>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.493368,21.269726,14.137071>,0.088295
<-9.991862,21.375885,12.646503>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.991862,21.375885,12.646503>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.991862,21.375885,12.646503>,0.062425
<-10.666688,21.469984,11.403194>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.666688,21.469984,11.403194>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.991862,21.375885,12.646503>,0.062425
<-9.261481,21.413105,11.821202>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.261481,21.413105,11.821202>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.493368,21.269726,14.137071>,0.088295
<-8.534945,21.311718,13.374936>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.534945,21.311718,13.374936>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.534945,21.311718,13.374936>,0.062425
<-7.804564,21.348938,12.549634>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.804564,21.348938,12.549634>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.534945,21.311718,13.374936>,0.062425
<-7.737124,21.326422,13.689341>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.737124,21.326422,13.689341>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.930747,20.810150,16.772415>,0.176643
<-6.879677,20.945267,14.832977>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.879677,20.945267,14.832977>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.879677,20.945267,14.832977>,0.124887
<-7.137532,21.065033,13.105894>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.137532,21.065033,13.105894>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.137532,21.065033,13.105894>,0.088295
<-7.636026,21.171192,11.615326>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.636026,21.171192,11.615326>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.636026,21.171192,11.615326>,0.062425
<-8.310852,21.265289,10.372017>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.310852,21.265289,10.372017>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.636026,21.171192,11.615326>,0.062425
<-6.905646,21.208410,10.790025>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.905646,21.208410,10.790025>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.137532,21.065033,13.105894>,0.088295
<-6.179109,21.107025,12.343759>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.179109,21.107025,12.343759>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.179109,21.107025,12.343759>,0.062425
<-5.448728,21.144243,11.518457>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.448728,21.144243,11.518457>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.179109,21.107025,12.343759>,0.062425
<-5.381289,21.121729,12.658163>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.381289,21.121729,12.658163>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.879677,20.945267,14.832977>,0.124887
<-5.683914,20.992643,14.183958>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.683914,20.992643,14.183958>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.683914,20.992643,14.183958>,0.088295
<-4.725490,21.034636,13.421823>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.725490,21.034636,13.421823>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.725490,21.034636,13.421823>,0.062425
<-3.995110,21.071854,12.596521>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.995110,21.071854,12.596521>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.725490,21.034636,13.421823>,0.062425
<-3.927670,21.049339,13.736227>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.927670,21.049339,13.736227>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.683914,20.992643,14.183958>,0.088295
<-4.871580,21.009233,14.681920>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.871580,21.009233,14.681920>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.871580,21.009233,14.681920>,0.062425
<-4.073761,21.023935,14.996325>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.073761,21.023935,14.996325>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.871580,21.009233,14.681920>,0.062425
<-4.889139,21.015039,15.348734>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.889139,21.015039,15.348734>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.093984,16.602144,11.435249>,0.499849
<-5.118385,17.802507,12.781140>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.118385,17.802507,12.781140>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.118385,17.802507,12.781140>,0.353393
<-8.478737,18.867613,14.605025>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.478737,18.867613,14.605025>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.478737,18.867613,14.605025>,0.249849
<-11.174994,19.812670,16.749079>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.174994,19.812670,16.749079>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.174994,19.812670,16.749079>,0.176643
<-13.231850,20.651186,19.073246>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.231850,20.651186,19.073246>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.231850,20.651186,19.073246>,0.124887
<-14.693168,21.395147,21.457117>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.693168,21.395147,21.457117>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.693168,21.395147,21.457117>,0.088295
<-15.616735,22.055199,23.800724>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.616735,22.055199,23.800724>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.616735,22.055199,23.800724>,0.062425
<-16.069490,22.640789,26.024418>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.069490,22.640789,26.024418>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.616735,22.055199,23.800724>,0.062425
<-17.404320,22.291992,24.067612>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.404320,22.291992,24.067612>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.693168,21.395147,21.457117>,0.088295
<-16.700165,21.662241,21.404268>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.700165,21.662241,21.404268>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.700165,21.662241,21.404268>,0.062425
<-18.487749,21.899035,21.671156>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.487749,21.899035,21.671156>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.700165,21.662241,21.404268>,0.062425
<-17.374990,21.756338,20.160959>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.374990,21.756338,20.160959>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.231850,20.651186,19.073246>,0.124887
<-15.417180,20.952452,18.628304>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.417180,20.952452,18.628304>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.417180,20.952452,18.628304>,0.088295
<-17.424177,21.219545,18.575453>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.424177,21.219545,18.575453>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.424177,21.219545,18.575453>,0.062425
<-19.211761,21.456339,18.842342>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.211761,21.456339,18.842342>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.424177,21.219545,18.575453>,0.062425
<-18.099003,21.313643,17.332144>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.099003,21.313643,17.332144>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.417180,20.952452,18.628304>,0.088295
<-15.915674,21.058611,17.137735>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.915674,21.058611,17.137735>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.915674,21.058611,17.137735>,0.062425
<-16.590500,21.152708,15.894425>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.590500,21.152708,15.894425>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.915674,21.058611,17.137735>,0.062425
<-15.185293,21.095829,16.312433>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.185293,21.095829,16.312433>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.174994,19.812670,16.749079>,0.176643
<-13.479758,20.152479,15.840818>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.479758,20.152479,15.840818>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.479758,20.152479,15.840818>,0.124887
<-15.665089,20.453747,15.395874>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.665089,20.453747,15.395874>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.665089,20.453747,15.395874>,0.088295
<-17.672085,20.720839,15.343025>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.672085,20.720839,15.343025>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.672085,20.720839,15.343025>,0.062425
<-19.459669,20.957632,15.609914>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.459669,20.957632,15.609914>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.672085,20.720839,15.343025>,0.062425
<-18.346910,20.814938,14.099716>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.346910,20.814938,14.099716>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.665089,20.453747,15.395874>,0.088295
<-16.163582,20.559906,13.905307>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.163582,20.559906,13.905307>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.163582,20.559906,13.905307>,0.062425
<-16.838409,20.654003,12.661997>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.838409,20.654003,12.661997>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.163582,20.559906,13.905307>,0.062425
<-15.433202,20.597124,13.080005>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.433202,20.597124,13.080005>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.479758,20.152479,15.840818>,0.124887
<-13.737614,20.272245,14.113734>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.737614,20.272245,14.113734>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.737614,20.272245,14.113734>,0.088295
<-14.236108,20.378405,12.623166>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.236108,20.378405,12.623166>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.236108,20.378405,12.623166>,0.062425
<-14.910934,20.472502,11.379857>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.910934,20.472502,11.379857>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.236108,20.378405,12.623166>,0.062425
<-13.505728,20.415623,11.797865>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.505728,20.415623,11.797865>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.737614,20.272245,14.113734>,0.088295
<-12.779190,20.314238,13.351599>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.779190,20.314238,13.351599>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.779190,20.314238,13.351599>,0.062425
<-12.048810,20.351456,12.526298>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.048810,20.351456,12.526298>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.779190,20.314238,13.351599>,0.062425
<-11.981370,20.328941,13.666003>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.981370,20.328941,13.666003>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.478737,18.867613,14.605025>,0.249849
<-10.824766,19.250893,13.166903>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.824766,19.250893,13.166903>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.824766,19.250893,13.166903>,0.176643
<-13.129531,19.590702,12.258642>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.129531,19.590702,12.258642>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.129531,19.590702,12.258642>,0.124887
<-15.314861,19.891970,11.813699>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.314861,19.891970,11.813699>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.314861,19.891970,11.813699>,0.088295
<-17.321857,20.159061,11.760849>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.321857,20.159061,11.760849>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.321857,20.159061,11.760849>,0.062425
<-19.109442,20.395855,12.027738>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.109442,20.395855,12.027738>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.321857,20.159061,11.760849>,0.062425
<-17.996685,20.253160,10.517540>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.996685,20.253160,10.517540>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.314861,19.891970,11.813699>,0.088295
<-15.813355,19.998129,10.323131>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.813355,19.998129,10.323131>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.813355,19.998129,10.323131>,0.062425
<-16.488182,20.092226,9.079822>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.488182,20.092226,9.079822>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.813355,19.998129,10.323131>,0.062425
<-15.082975,20.035347,9.497829>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.082975,20.035347,9.497829>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.129531,19.590702,12.258642>,0.124887
<-13.387387,19.710468,10.531558>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.387387,19.710468,10.531558>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.387387,19.710468,10.531558>,0.088295
<-13.885881,19.816628,9.040991>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.885881,19.816628,9.040991>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.885881,19.816628,9.040991>,0.062425
<-14.560707,19.910727,7.797682>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.560707,19.910727,7.797682>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.885881,19.816628,9.040991>,0.062425
<-13.155500,19.853848,8.215690>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.155500,19.853848,8.215690>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.387387,19.710468,10.531558>,0.088295
<-12.428964,19.752460,9.769423>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.428964,19.752460,9.769423>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.428964,19.752460,9.769423>,0.062425
<-11.698583,19.789680,8.944121>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.698583,19.789680,8.944121>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.428964,19.752460,9.769423>,0.062425
<-11.631144,19.767164,10.083827>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.631144,19.767164,10.083827>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.824766,19.250893,13.166903>,0.176643
<-10.773696,19.386009,11.227465>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.773696,19.386009,11.227465>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.773696,19.386009,11.227465>,0.124887
<-11.031551,19.505775,9.500381>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.031551,19.505775,9.500381>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.031551,19.505775,9.500381>,0.088295
<-11.530046,19.611935,8.009813>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.530046,19.611935,8.009813>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.530046,19.611935,8.009813>,0.062425
<-12.204872,19.706032,6.766504>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.204872,19.706032,6.766504>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.530046,19.611935,8.009813>,0.062425
<-10.799665,19.649153,7.184512>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.799665,19.649153,7.184512>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.031551,19.505775,9.500381>,0.088295
<-10.073128,19.547768,8.738245>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.073128,19.547768,8.738245>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.073128,19.547768,8.738245>,0.062425
<-9.342748,19.584986,7.912944>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.342748,19.584986,7.912944>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.073128,19.547768,8.738245>,0.062425
<-9.275309,19.562469,9.052650>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.275309,19.562469,9.052650>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.773696,19.386009,11.227465>,0.124887
<-9.577933,19.433386,10.578445>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.577933,19.433386,10.578445>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.577933,19.433386,10.578445>,0.088295
<-8.619509,19.475378,9.816310>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.619509,19.475378,9.816310>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.619509,19.475378,9.816310>,0.062425
<-7.889129,19.512596,8.991008>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.889129,19.512596,8.991008>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.619509,19.475378,9.816310>,0.062425
<-7.821689,19.490082,10.130714>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.821689,19.490082,10.130714>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.577933,19.433386,10.578445>,0.088295
<-8.765599,19.449974,11.076407>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.765599,19.449974,11.076407>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.765599,19.449974,11.076407>,0.062425
<-7.967780,19.464678,11.390812>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.967780,19.464678,11.390812>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.765599,19.449974,11.076407>,0.062425
<-8.783158,19.455782,11.743221>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.783158,19.455782,11.743221>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.118385,17.802507,12.781140>,0.353393
<-7.407331,18.234818,10.755454>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.407331,18.234818,10.755454>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.407331,18.234818,10.755454>,0.249849
<-9.753361,18.618097,9.317332>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.753361,18.618097,9.317332>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.753361,18.618097,9.317332>,0.176643
<-12.058125,18.957909,8.409072>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.058125,18.957909,8.409072>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.058125,18.957909,8.409072>,0.124887
<-14.243456,19.259174,7.964128>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.243456,19.259174,7.964128>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.243456,19.259174,7.964128>,0.088295
<-16.250452,19.526268,7.911278>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.250452,19.526268,7.911278>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.250452,19.526268,7.911278>,0.062425
<-18.038036,19.763062,8.178166>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.038036,19.763062,8.178166>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.250452,19.526268,7.911278>,0.062425
<-16.925280,19.620365,6.667969>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.925280,19.620365,6.667969>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.243456,19.259174,7.964128>,0.088295
<-14.741950,19.365334,6.473560>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.741950,19.365334,6.473560>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.741950,19.365334,6.473560>,0.062425
<-15.416777,19.459431,5.230251>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.416777,19.459431,5.230251>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.741950,19.365334,6.473560>,0.062425
<-14.011570,19.402552,5.648259>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.011570,19.402552,5.648259>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.058125,18.957909,8.409072>,0.124887
<-12.315982,19.077673,6.681988>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.315982,19.077673,6.681988>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.315982,19.077673,6.681988>,0.088295
<-12.814476,19.183832,5.191420>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.814476,19.183832,5.191420>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.814476,19.183832,5.191420>,0.062425
<-13.489302,19.277931,3.948111>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.489302,19.277931,3.948111>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.814476,19.183832,5.191420>,0.062425
<-12.084095,19.221052,4.366119>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.084095,19.221052,4.366119>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.315982,19.077673,6.681988>,0.088295
<-11.357558,19.119665,5.919852>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.357558,19.119665,5.919852>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.357558,19.119665,5.919852>,0.062425
<-10.627177,19.156885,5.094551>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.627177,19.156885,5.094551>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.357558,19.119665,5.919852>,0.062425
<-10.559738,19.134369,6.234257>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.559738,19.134369,6.234257>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.753361,18.618097,9.317332>,0.176643
<-9.702291,18.753214,7.377894>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.702291,18.753214,7.377894>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.702291,18.753214,7.377894>,0.124887
<-9.960146,18.872980,5.650810>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.960146,18.872980,5.650810>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.960146,18.872980,5.650810>,0.088295
<-10.458640,18.979139,4.160243>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.458640,18.979139,4.160243>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.458640,18.979139,4.160243>,0.062425
<-11.133467,19.073236,2.916934>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.133467,19.073236,2.916934>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.458640,18.979139,4.160243>,0.062425
<-9.728260,19.016357,3.334941>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.728260,19.016357,3.334941>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.960146,18.872980,5.650810>,0.088295
<-9.001722,18.914972,4.888675>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.001722,18.914972,4.888675>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.001722,18.914972,4.888675>,0.062425
<-8.271342,18.952190,4.063374>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.271342,18.952190,4.063374>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.001722,18.914972,4.888675>,0.062425
<-8.203903,18.929676,5.203080>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.203903,18.929676,5.203080>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.702291,18.753214,7.377894>,0.124887
<-8.506527,18.800591,6.728875>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.506527,18.800591,6.728875>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.506527,18.800591,6.728875>,0.088295
<-7.548104,18.842583,5.966739>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.548104,18.842583,5.966739>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.548104,18.842583,5.966739>,0.062425
<-6.817723,18.879801,5.141438>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.817723,18.879801,5.141438>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.548104,18.842583,5.966739>,0.062425
<-6.750284,18.857286,6.281144>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.750284,18.857286,6.281144>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.506527,18.800591,6.728875>,0.088295
<-7.694194,18.817181,7.226837>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.694194,18.817181,7.226837>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.694194,18.817181,7.226837>,0.062425
<-6.896374,18.831884,7.541241>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.896374,18.831884,7.541241>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.694194,18.817181,7.226837>,0.062425
<-7.711753,18.822987,7.893650>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.711753,18.822987,7.893650>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.407331,18.234818,10.755454>,0.249849
<-6.977281,18.387251,8.643272>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.977281,18.387251,8.643272>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.977281,18.387251,8.643272>,0.176643
<-6.926211,18.522367,6.703834>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.926211,18.522367,6.703834>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.926211,18.522367,6.703834>,0.124887
<-7.184066,18.642132,4.976750>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.184066,18.642132,4.976750>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.184066,18.642132,4.976750>,0.088295
<-7.682560,18.748291,3.486183>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.682560,18.748291,3.486183>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.682560,18.748291,3.486183>,0.062425
<-8.357387,18.842390,2.242874>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.357387,18.842390,2.242874>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.682560,18.748291,3.486183>,0.062425
<-6.952180,18.785511,2.660881>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.952180,18.785511,2.660881>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.184066,18.642132,4.976750>,0.088295
<-6.225643,18.684124,4.214615>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.225643,18.684124,4.214615>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.225643,18.684124,4.214615>,0.062425
<-5.495262,18.721344,3.389313>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.495262,18.721344,3.389313>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.225643,18.684124,4.214615>,0.062425
<-5.427823,18.698828,4.529019>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.427823,18.698828,4.529019>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.926211,18.522367,6.703834>,0.124887
<-5.730448,18.569744,6.054814>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.730448,18.569744,6.054814>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.730448,18.569744,6.054814>,0.088295
<-4.772024,18.611734,5.292679>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.772024,18.611734,5.292679>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.772024,18.611734,5.292679>,0.062425
<-4.041643,18.648954,4.467378>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.041643,18.648954,4.467378>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.772024,18.611734,5.292679>,0.062425
<-3.974204,18.626438,5.607084>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.974204,18.626438,5.607084>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.730448,18.569744,6.054814>,0.088295
<-4.918114,18.586332,6.552777>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.918114,18.586332,6.552777>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.918114,18.586332,6.552777>,0.062425
<-4.120295,18.601036,6.867181>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.120295,18.601036,6.867181>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.918114,18.586332,6.552777>,0.062425
<-4.935673,18.592140,7.219590>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.935673,18.592140,7.219590>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.977281,18.387251,8.643272>,0.176643
<-5.543643,18.440702,8.163818>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.543643,18.440702,8.163818>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.543643,18.440702,8.163818>,0.124887
<-4.347880,18.488079,7.514798>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.347880,18.488079,7.514798>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.347880,18.488079,7.514798>,0.088295
<-3.389457,18.530071,6.752663>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.389457,18.530071,6.752663>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.389457,18.530071,6.752663>,0.062425
<-2.659076,18.567289,5.927361>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.659076,18.567289,5.927361>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.389457,18.530071,6.752663>,0.062425
<-2.591637,18.544775,7.067068>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.591637,18.544775,7.067068>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.347880,18.488079,7.514798>,0.088295
<-3.535547,18.504667,8.012760>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.535547,18.504667,8.012760>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.535547,18.504667,8.012760>,0.062425
<-2.737727,18.519371,8.327165>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.737727,18.519371,8.327165>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.535547,18.504667,8.012760>,0.062425
<-3.553106,18.510475,8.679574>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.553106,18.510475,8.679574>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.543643,18.440702,8.163818>,0.124887
<-4.750845,18.459419,8.865434>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.750845,18.459419,8.865434>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.750845,18.459419,8.865434>,0.088295
<-3.938512,18.476007,9.363396>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.938512,18.476007,9.363396>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.938512,18.476007,9.363396>,0.062425
<-3.140692,18.490711,9.677800>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.140692,18.490711,9.677800>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.938512,18.476007,9.363396>,0.062425
<-3.956071,18.481815,10.030210>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.956071,18.481815,10.030210>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.750845,18.459419,8.865434>,0.088295
<-4.898715,18.465971,9.591693>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.898715,18.465971,9.591693>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.898715,18.465971,9.591693>,0.062425
<-4.916274,18.471777,10.258507>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.916274,18.471777,10.258507>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.898715,18.465971,9.591693>,0.062425
<-5.390755,18.468264,9.756248>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.390755,18.468264,9.756248>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.500000,6.062178>,0.707000
<4.243525,14.725000,8.183940>,0.499849
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.243525,14.725000,8.183940>,0.499849
pigment {color red 1 green 1 blue 1}
}
cone {
<4.243525,14.725000,8.183940>,0.499849
<8.340133,15.811775,9.402472>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.340133,15.811775,9.402472>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<8.340133,15.811775,9.402472>,0.353393
<12.165008,16.775896,9.842661>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.165008,16.775896,9.842661>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<12.165008,16.775896,9.842661>,0.249849
<15.626972,17.631184,9.634863>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.626972,17.631184,9.634863>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<15.626972,17.631184,9.634863>,0.176643
<18.665558,18.389906,8.909011>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.665558,18.389906,8.909011>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<18.665558,18.389906,8.909011>,0.124887
<21.247467,19.062944,7.789848>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.247467,19.062944,7.789848>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<21.247467,19.062944,7.789848>,0.088295
<23.362703,19.659966,6.393255>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.362703,19.659966,6.393255>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<23.362703,19.659966,6.393255>,0.062425
<25.020546,20.189541,4.823596>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.020546,20.189541,4.823596>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<23.362703,19.659966,6.393255>,0.062425
<24.981915,19.873169,7.202859>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.981915,19.873169,7.202859>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<21.247467,19.062944,7.789848>,0.088295
<22.862705,19.303440,8.987902>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.862705,19.303440,8.987902>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<22.862705,19.303440,8.987902>,0.062425
<24.481916,19.516642,9.797507>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.481916,19.516642,9.797507>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<22.862705,19.303440,8.987902>,0.062425
<22.700899,19.388062,10.393861>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.700899,19.388062,10.393861>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<18.665558,18.389906,8.909011>,0.124887
<20.201509,18.661184,10.531251>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.201509,18.661184,10.531251>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<20.201509,18.661184,10.531251>,0.088295
<21.816748,18.901678,11.729305>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.816748,18.901678,11.729305>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<21.816748,18.901678,11.729305>,0.062425
<23.435957,19.114880,12.538910>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.435957,19.114880,12.538910>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<21.816748,18.901678,11.729305>,0.062425
<21.654942,18.986300,13.135263>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.654942,18.986300,13.135263>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<20.201509,18.661184,10.531251>,0.088295
<19.753212,18.756653,12.038391>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.753212,18.756653,12.038391>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<19.753212,18.756653,12.038391>,0.062425
<19.591406,18.841274,13.444350>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.591406,18.841274,13.444350>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<19.753212,18.756653,12.038391>,0.062425
<18.681175,18.790113,12.294478>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.681175,18.790113,12.294478>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<15.626972,17.631184,9.634863>,0.176643
<16.994350,17.937185,11.705851>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.994350,17.937185,11.705851>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<16.994350,17.937185,11.705851>,0.124887
<18.530302,18.208464,13.328091>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.530302,18.208464,13.328091>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<18.530302,18.208464,13.328091>,0.088295
<20.145540,18.448959,14.526145>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.145540,18.448959,14.526145>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<20.145540,18.448959,14.526145>,0.062425
<21.764750,18.662161,15.335750>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.764750,18.662161,15.335750>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<20.145540,18.448959,14.526145>,0.062425
<19.983734,18.533581,15.932103>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.983734,18.533581,15.932103>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<18.530302,18.208464,13.328091>,0.088295
<18.082005,18.303934,14.835232>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.082005,18.303934,14.835232>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<18.082005,18.303934,14.835232>,0.062425
<17.920198,18.388556,16.241190>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.920198,18.388556,16.241190>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<18.082005,18.303934,14.835232>,0.062425
<17.009968,18.337395,15.091318>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.009968,18.337395,15.091318>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<16.994350,17.937185,11.705851>,0.124887
<16.213062,18.044893,13.268425>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.213062,18.044893,13.268425>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<16.213062,18.044893,13.268425>,0.088295
<15.764766,18.140362,14.775566>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.764766,18.140362,14.775566>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<15.764766,18.140362,14.775566>,0.062425
<15.602960,18.224983,16.181524>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.602960,18.224983,16.181524>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<15.764766,18.140362,14.775566>,0.062425
<14.692728,18.173822,15.031652>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.692728,18.173822,15.031652>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<16.213062,18.044893,13.268425>,0.088295
<14.990614,18.082644,13.341801>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.990614,18.082644,13.341801>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<14.990614,18.082644,13.341801>,0.062425
<13.918577,18.116104,13.597887>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.918577,18.116104,13.597887>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.990614,18.082644,13.341801>,0.062425
<14.518107,18.095861,12.626157>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.518107,18.095861,12.626157>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.165008,16.775896,9.842661>,0.249849
<13.261397,17.121063,12.372036>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.261397,17.121063,12.372036>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<13.261397,17.121063,12.372036>,0.176643
<14.628776,17.427065,14.443024>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.628776,17.427065,14.443024>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<14.628776,17.427065,14.443024>,0.124887
<16.164728,17.698343,16.065264>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.164728,17.698343,16.065264>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<16.164728,17.698343,16.065264>,0.088295
<17.779966,17.938837,17.263317>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.779966,17.938837,17.263317>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<17.779966,17.938837,17.263317>,0.062425
<19.399176,18.152040,18.072922>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.399176,18.152040,18.072922>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<17.779966,17.938837,17.263317>,0.062425
<17.618160,18.023458,18.669275>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.618160,18.023458,18.669275>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<16.164728,17.698343,16.065264>,0.088295
<15.716431,17.793812,17.572405>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.716431,17.793812,17.572405>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<15.716431,17.793812,17.572405>,0.062425
<15.554625,17.878433,18.978363>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.554625,17.878433,18.978363>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<15.716431,17.793812,17.572405>,0.062425
<14.644393,17.827272,17.828491>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.644393,17.827272,17.828491>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.628776,17.427065,14.443024>,0.124887
<13.847488,17.534771,16.005598>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.847488,17.534771,16.005598>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<13.847488,17.534771,16.005598>,0.088295
<13.399191,17.630241,17.512739>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.399191,17.630241,17.512739>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<13.399191,17.630241,17.512739>,0.062425
<13.237385,17.714863,18.918697>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.237385,17.714863,18.918697>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.399191,17.630241,17.512739>,0.062425
<12.327154,17.663702,17.768826>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.327154,17.663702,17.768826>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.847488,17.534771,16.005598>,0.088295
<12.625040,17.572523,16.078974>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.625040,17.572523,16.078974>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<12.625040,17.572523,16.078974>,0.062425
<11.553003,17.605984,16.335060>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.553003,17.605984,16.335060>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.625040,17.572523,16.078974>,0.062425
<12.152534,17.585741,15.363330>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.152534,17.585741,15.363330>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.261397,17.121063,12.372036>,0.176643
<12.105070,17.242577,13.931018>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.105070,17.242577,13.931018>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<12.105070,17.242577,13.931018>,0.124887
<11.323783,17.350285,15.493593>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.323783,17.350285,15.493593>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<11.323783,17.350285,15.493593>,0.088295
<10.875485,17.445753,17.000734>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.875485,17.445753,17.000734>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.875485,17.445753,17.000734>,0.062425
<10.713679,17.530375,18.406693>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.713679,17.530375,18.406693>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.875485,17.445753,17.000734>,0.062425
<9.803448,17.479214,17.256821>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.803448,17.479214,17.256821>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.323783,17.350285,15.493593>,0.088295
<10.101335,17.388035,15.566968>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.101335,17.388035,15.566968>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.101335,17.388035,15.566968>,0.062425
<9.029297,17.421495,15.823054>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.029297,17.421495,15.823054>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.101335,17.388035,15.566968>,0.062425
<9.628828,17.401253,14.851325>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.628828,17.401253,14.851325>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.105070,17.242577,13.931018>,0.124887
<10.753292,17.285170,13.775448>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.753292,17.285170,13.775448>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<10.753292,17.285170,13.775448>,0.088295
<9.530844,17.322920,13.848823>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.530844,17.322920,13.848823>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.530844,17.322920,13.848823>,0.062425
<8.458806,17.356380,14.104909>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.458806,17.356380,14.104909>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.530844,17.322920,13.848823>,0.062425
<9.058337,17.336138,13.133179>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.058337,17.336138,13.133179>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.753292,17.285170,13.775448>,0.088295
<10.374340,17.300081,12.901205>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.374340,17.300081,12.901205>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.374340,17.300081,12.901205>,0.062425
<9.901834,17.313299,12.185561>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.901834,17.313299,12.185561>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.374340,17.300081,12.901205>,0.062425
<10.771725,17.305302,12.365443>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.771725,17.305302,12.365443>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.340133,15.811775,9.402472>,0.353393
<9.051642,16.201117,12.381018>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.051642,16.201117,12.381018>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<9.051642,16.201117,12.381018>,0.249849
<10.148033,16.546284,14.910393>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.148033,16.546284,14.910393>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<10.148033,16.546284,14.910393>,0.176643
<11.515411,16.852285,16.981380>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.515411,16.852285,16.981380>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<11.515411,16.852285,16.981380>,0.124887
<13.051363,17.123564,18.603621>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.051363,17.123564,18.603621>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<13.051363,17.123564,18.603621>,0.088295
<14.666602,17.364058,19.801674>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.666602,17.364058,19.801674>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<14.666602,17.364058,19.801674>,0.062425
<16.285810,17.577259,20.611279>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.285810,17.577259,20.611279>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.666602,17.364058,19.801674>,0.062425
<14.504796,17.448679,21.207634>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.504796,17.448679,21.207634>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.051363,17.123564,18.603621>,0.088295
<12.603065,17.219032,20.110762>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.603065,17.219032,20.110762>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<12.603065,17.219032,20.110762>,0.062425
<12.441260,17.303654,21.516720>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.441260,17.303654,21.516720>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.603065,17.219032,20.110762>,0.062425
<11.531029,17.252493,20.366848>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.531029,17.252493,20.366848>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.515411,16.852285,16.981380>,0.124887
<10.734124,16.959991,18.543955>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.734124,16.959991,18.543955>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<10.734124,16.959991,18.543955>,0.088295
<10.285827,17.055462,20.051096>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.285827,17.055462,20.051096>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.285827,17.055462,20.051096>,0.062425
<10.124021,17.140083,21.457054>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.124021,17.140083,21.457054>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.285827,17.055462,20.051096>,0.062425
<9.213790,17.088921,20.307182>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.213790,17.088921,20.307182>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.734124,16.959991,18.543955>,0.088295
<9.511676,16.997744,18.617331>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.511676,16.997744,18.617331>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.511676,16.997744,18.617331>,0.062425
<8.439638,17.031202,18.873417>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.439638,17.031202,18.873417>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.511676,16.997744,18.617331>,0.062425
<9.039169,17.010960,17.901688>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.039169,17.010960,17.901688>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.148033,16.546284,14.910393>,0.176643
<8.991706,16.667797,16.469376>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.991706,16.667797,16.469376>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<8.991706,16.667797,16.469376>,0.124887
<8.210418,16.775503,18.031950>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.210418,16.775503,18.031950>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.210418,16.775503,18.031950>,0.088295
<7.762121,16.870974,19.539091>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.762121,16.870974,19.539091>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.762121,16.870974,19.539091>,0.062425
<7.600315,16.955595,20.945049>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.600315,16.955595,20.945049>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.762121,16.870974,19.539091>,0.062425
<6.690084,16.904434,19.795177>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.690084,16.904434,19.795177>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.210418,16.775503,18.031950>,0.088295
<6.987970,16.813255,18.105326>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.987970,16.813255,18.105326>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.987970,16.813255,18.105326>,0.062425
<5.915933,16.846716,18.361412>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.915933,16.846716,18.361412>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.987970,16.813255,18.105326>,0.062425
<6.515463,16.826473,17.389681>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.515463,16.826473,17.389681>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.991706,16.667797,16.469376>,0.124887
<7.639927,16.710388,16.313805>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.639927,16.710388,16.313805>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<7.639927,16.710388,16.313805>,0.088295
<6.417479,16.748140,16.387180>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.417479,16.748140,16.387180>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.417479,16.748140,16.387180>,0.062425
<5.345442,16.781601,16.643267>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.345442,16.781601,16.643267>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.417479,16.748140,16.387180>,0.062425
<5.944973,16.761358,15.671535>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.944973,16.761358,15.671535>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.639927,16.710388,16.313805>,0.088295
<7.260976,16.725302,15.439562>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.260976,16.725302,15.439562>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.260976,16.725302,15.439562>,0.062425
<6.788469,16.738520,14.723918>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.788469,16.738520,14.723918>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.260976,16.725302,15.439562>,0.062425
<7.658360,16.730522,14.903800>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.658360,16.730522,14.903800>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.051642,16.201117,12.381018>,0.249849
<7.485654,16.338205,13.863709>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.485654,16.338205,13.863709>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<7.485654,16.338205,13.863709>,0.176643
<6.329327,16.459721,15.422692>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.329327,16.459721,15.422692>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<6.329327,16.459721,15.422692>,0.124887
<5.548039,16.567427,16.985268>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.548039,16.567427,16.985268>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<5.548039,16.567427,16.985268>,0.088295
<5.099742,16.662895,18.492407>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.099742,16.662895,18.492407>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.099742,16.662895,18.492407>,0.062425
<4.937936,16.747519,19.898367>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.937936,16.747519,19.898367>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.099742,16.662895,18.492407>,0.062425
<4.027705,16.696356,18.748493>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.027705,16.696356,18.748493>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.548039,16.567427,16.985268>,0.088295
<4.325591,16.605179,17.058641>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.325591,16.605179,17.058641>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.325591,16.605179,17.058641>,0.062425
<3.253554,16.638638,17.314728>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.253554,16.638638,17.314728>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.325591,16.605179,17.058641>,0.062425
<3.853085,16.618395,16.342999>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.853085,16.618395,16.342999>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.329327,16.459721,15.422692>,0.124887
<4.977549,16.502312,15.267121>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.977549,16.502312,15.267121>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<4.977549,16.502312,15.267121>,0.088295
<3.755100,16.540064,15.340496>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.755100,16.540064,15.340496>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.755100,16.540064,15.340496>,0.062425
<2.683063,16.573523,15.596582>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.683063,16.573523,15.596582>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.755100,16.540064,15.340496>,0.062425
<3.282594,16.553280,14.624853>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.282594,16.553280,14.624853>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.977549,16.502312,15.267121>,0.088295
<4.598597,16.517225,14.392879>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.598597,16.517225,14.392879>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.598597,16.517225,14.392879>,0.062425
<4.126091,16.530443,13.677236>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.126091,16.530443,13.677236>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.598597,16.517225,14.392879>,0.062425
<4.995982,16.522444,13.857118>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.995982,16.522444,13.857118>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.485654,16.338205,13.863709>,0.176643
<6.036536,16.386261,13.432671>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.036536,16.386261,13.432671>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<6.036536,16.386261,13.432671>,0.124887
<4.684758,16.428852,13.277101>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.684758,16.428852,13.277101>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<4.684758,16.428852,13.277101>,0.088295
<3.462309,16.466604,13.350475>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.462309,16.466604,13.350475>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.462309,16.466604,13.350475>,0.062425
<2.390272,16.500063,13.606562>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.390272,16.500063,13.606562>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.462309,16.466604,13.350475>,0.062425
<2.989803,16.479820,12.634831>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.989803,16.479820,12.634831>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.684758,16.428852,13.277101>,0.088295
<4.305806,16.443766,12.402858>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.305806,16.443766,12.402858>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.305806,16.443766,12.402858>,0.062425
<3.833299,16.456982,11.687214>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.833299,16.456982,11.687214>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.305806,16.443766,12.402858>,0.062425
<4.703191,16.448984,11.867096>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.703191,16.448984,11.867096>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.036536,16.386261,13.432671>,0.124887
<5.790555,16.403086,12.402936>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.790555,16.403086,12.402936>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<5.790555,16.403086,12.402936>,0.088295
<5.411602,16.417997,11.528693>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.411602,16.417997,11.528693>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.411602,16.417997,11.528693>,0.062425
<4.939096,16.431215,10.813050>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.939096,16.431215,10.813050>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.411602,16.417997,11.528693>,0.062425
<5.808987,16.423218,10.992932>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.808987,16.423218,10.992932>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.790555,16.403086,12.402936>,0.088295
<6.328755,16.408976,11.893362>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.328755,16.408976,11.893362>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.328755,16.408976,11.893362>,0.062425
<6.726140,16.414194,11.357600>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.726140,16.414194,11.357600>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.328755,16.408976,11.893362>,0.062425
<6.826050,16.411036,12.041282>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.826050,16.411036,12.041282>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.243525,14.725000,8.183940>,0.499849
<4.447342,15.164166,11.579597>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.447342,15.164166,11.579597>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<4.447342,15.164166,11.579597>,0.353393
<5.158853,15.553508,14.558144>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.158853,15.553508,14.558144>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<5.158853,15.553508,14.558144>,0.249849
<6.255243,15.898674,17.087519>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.255243,15.898674,17.087519>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<6.255243,15.898674,17.087519>,0.176643
<7.622621,16.204676,19.158506>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.622621,16.204676,19.158506>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<7.622621,16.204676,19.158506>,0.124887
<9.158573,16.475954,20.780748>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.158573,16.475954,20.780748>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<9.158573,16.475954,20.780748>,0.088295
<10.773812,16.716450,21.978802>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.773812,16.716450,21.978802>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.773812,16.716450,21.978802>,0.062425
<12.393022,16.929651,22.788406>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.393022,16.929651,22.788406>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.773812,16.716450,21.978802>,0.062425
<10.612006,16.801071,23.384760>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.612006,16.801071,23.384760>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.158573,16.475954,20.780748>,0.088295
<8.710276,16.571424,22.287888>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.710276,16.571424,22.287888>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.710276,16.571424,22.287888>,0.062425
<8.548470,16.656046,23.693848>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.548470,16.656046,23.693848>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.710276,16.571424,22.287888>,0.062425
<7.638238,16.604885,22.543974>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.638238,16.604885,22.543974>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.622621,16.204676,19.158506>,0.124887
<6.841334,16.312384,20.721083>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.841334,16.312384,20.721083>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.841334,16.312384,20.721083>,0.088295
<6.393036,16.407852,22.228224>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.393036,16.407852,22.228224>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.393036,16.407852,22.228224>,0.062425
<6.231230,16.492474,23.634182>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.231230,16.492474,23.634182>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.393036,16.407852,22.228224>,0.062425
<5.320999,16.441313,22.484310>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.320999,16.441313,22.484310>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.841334,16.312384,20.721083>,0.088295
<5.618885,16.350134,20.794456>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.618885,16.350134,20.794456>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.618885,16.350134,20.794456>,0.062425
<4.546848,16.383595,21.050543>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.546848,16.383595,21.050543>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.618885,16.350134,20.794456>,0.062425
<5.146379,16.363352,20.078814>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.146379,16.363352,20.078814>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.255243,15.898674,17.087519>,0.176643
<5.098915,16.020187,18.646502>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.098915,16.020187,18.646502>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<5.098915,16.020187,18.646502>,0.124887
<4.317628,16.127895,20.209076>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.317628,16.127895,20.209076>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<4.317628,16.127895,20.209076>,0.088295
<3.869330,16.223364,21.716217>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.869330,16.223364,21.716217>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.869330,16.223364,21.716217>,0.062425
<3.707525,16.307985,23.122175>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.707525,16.307985,23.122175>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.869330,16.223364,21.716217>,0.062425
<2.797293,16.256824,21.972303>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.797293,16.256824,21.972303>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.317628,16.127895,20.209076>,0.088295
<3.095179,16.165646,20.282452>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.095179,16.165646,20.282452>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.095179,16.165646,20.282452>,0.062425
<2.023142,16.199106,20.538538>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.023142,16.199106,20.538538>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.095179,16.165646,20.282452>,0.062425
<2.622673,16.178864,19.566809>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.622673,16.178864,19.566809>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.098915,16.020187,18.646502>,0.124887
<3.747137,16.062780,18.490931>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.747137,16.062780,18.490931>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<3.747137,16.062780,18.490931>,0.088295
<2.524689,16.100531,18.564306>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.524689,16.100531,18.564306>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.524689,16.100531,18.564306>,0.062425
<1.452652,16.133991,18.820393>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.452652,16.133991,18.820393>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.524689,16.100531,18.564306>,0.062425
<2.052182,16.113749,17.848663>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052182,16.113749,17.848663>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.747137,16.062780,18.490931>,0.088295
<3.368186,16.077694,17.616688>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.368186,16.077694,17.616688>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.368186,16.077694,17.616688>,0.062425
<2.895679,16.090910,16.901045>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.895679,16.090910,16.901045>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.368186,16.077694,17.616688>,0.062425
<3.765570,16.082912,17.080927>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.765570,16.082912,17.080927>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.158853,15.553508,14.558144>,0.249849
<3.592864,15.690598,16.040836>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.592864,15.690598,16.040836>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<3.592864,15.690598,16.040836>,0.176643
<2.436536,15.812111,17.599819>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.436536,15.812111,17.599819>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<2.436536,15.812111,17.599819>,0.124887
<1.655249,15.919819,19.162394>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.655249,15.919819,19.162394>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<1.655249,15.919819,19.162394>,0.088295
<1.206951,16.015287,20.669535>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.206951,16.015287,20.669535>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.206951,16.015287,20.669535>,0.062425
<1.045145,16.099909,22.075493>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.045145,16.099909,22.075493>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.206951,16.015287,20.669535>,0.062425
<0.134914,16.048748,20.925621>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.134914,16.048748,20.925621>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.655249,15.919819,19.162394>,0.088295
<0.432800,15.957570,19.235769>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.432800,15.957570,19.235769>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.432800,15.957570,19.235769>,0.062425
<-0.639237,15.991030,19.491856>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.639237,15.991030,19.491856>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.432800,15.957570,19.235769>,0.062425
<-0.039707,15.970787,18.520124>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.039707,15.970787,18.520124>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.436536,15.812111,17.599819>,0.124887
<1.084758,15.854704,17.444248>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.084758,15.854704,17.444248>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<1.084758,15.854704,17.444248>,0.088295
<-0.137691,15.892454,17.517624>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.137691,15.892454,17.517624>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.137691,15.892454,17.517624>,0.062425
<-1.209728,15.925915,17.773710>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.209728,15.925915,17.773710>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.137691,15.892454,17.517624>,0.062425
<-0.610197,15.905672,16.801979>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.610197,15.905672,16.801979>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.084758,15.854704,17.444248>,0.088295
<0.705806,15.869617,16.570005>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.705806,15.869617,16.570005>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.705806,15.869617,16.570005>,0.062425
<0.233300,15.882833,15.854362>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.233300,15.882833,15.854362>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.705806,15.869617,16.570005>,0.062425
<1.103191,15.874836,16.034245>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.103191,15.874836,16.034245>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.592864,15.690598,16.040836>,0.176643
<2.143745,15.738651,15.609797>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.143745,15.738651,15.609797>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<2.143745,15.738651,15.609797>,0.124887
<0.791967,15.781243,15.454226>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.791967,15.781243,15.454226>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.791967,15.781243,15.454226>,0.088295
<-0.430482,15.818995,15.527602>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.430482,15.818995,15.527602>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.430482,15.818995,15.527602>,0.062425
<-1.502519,15.852455,15.783689>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.502519,15.852455,15.783689>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.430482,15.818995,15.527602>,0.062425
<-0.902988,15.832212,14.811958>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.902988,15.832212,14.811958>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.791967,15.781243,15.454226>,0.088295
<0.413015,15.796157,14.579984>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.413015,15.796157,14.579984>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.413015,15.796157,14.579984>,0.062425
<-0.059492,15.809374,13.864341>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.059492,15.809374,13.864341>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.413015,15.796157,14.579984>,0.062425
<0.810400,15.801376,14.044223>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.810400,15.801376,14.044223>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.143745,15.738651,15.609797>,0.124887
<1.897763,15.755477,14.580062>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.897763,15.755477,14.580062>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<1.897763,15.755477,14.580062>,0.088295
<1.518812,15.770390,13.705819>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.518812,15.770390,13.705819>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.518812,15.770390,13.705819>,0.062425
<1.046305,15.783607,12.990176>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.046305,15.783607,12.990176>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.518812,15.770390,13.705819>,0.062425
<1.916196,15.775610,13.170058>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.916196,15.775610,13.170058>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.897763,15.755477,14.580062>,0.088295
<2.435965,15.761366,14.070488>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.435965,15.761366,14.070488>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.435965,15.761366,14.070488>,0.062425
<2.833349,15.766586,13.534727>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.833349,15.766586,13.534727>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.435965,15.761366,14.070488>,0.062425
<2.933260,15.763428,14.218408>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.933260,15.763428,14.218408>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.447342,15.164166,11.579597>,0.353393
<2.447841,15.318829,12.899777>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.447841,15.318829,12.899777>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<2.447841,15.318829,12.899777>,0.249849
<0.881852,15.455918,14.382469>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.881852,15.455918,14.382469>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<0.881852,15.455918,14.382469>,0.176643
<-0.274476,15.577432,15.941452>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.274476,15.577432,15.941452>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.274476,15.577432,15.941452>,0.124887
<-1.055763,15.685139,17.504026>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.055763,15.685139,17.504026>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.055763,15.685139,17.504026>,0.088295
<-1.504061,15.780608,19.011168>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.504061,15.780608,19.011168>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.504061,15.780608,19.011168>,0.062425
<-1.665867,15.865230,20.417126>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.665867,15.865230,20.417126>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.504061,15.780608,19.011168>,0.062425
<-2.576098,15.814069,19.267254>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.576098,15.814069,19.267254>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.055763,15.685139,17.504026>,0.088295
<-2.278212,15.722890,17.577402>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.278212,15.722890,17.577402>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.278212,15.722890,17.577402>,0.062425
<-3.350249,15.756351,17.833488>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.350249,15.756351,17.833488>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.278212,15.722890,17.577402>,0.062425
<-2.750719,15.736108,16.861759>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.750719,15.736108,16.861759>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.274476,15.577432,15.941452>,0.124887
<-1.626254,15.620024,15.785881>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.626254,15.620024,15.785881>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.626254,15.620024,15.785881>,0.088295
<-2.848702,15.657775,15.859257>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.848702,15.657775,15.859257>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.848702,15.657775,15.859257>,0.062425
<-3.920740,15.691236,16.115343>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.920740,15.691236,16.115343>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.848702,15.657775,15.859257>,0.062425
<-3.321209,15.670993,15.143613>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.321209,15.670993,15.143613>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.626254,15.620024,15.785881>,0.088295
<-2.005206,15.634937,14.911638>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.005206,15.634937,14.911638>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.005206,15.634937,14.911638>,0.062425
<-2.477712,15.648154,14.195995>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.477712,15.648154,14.195995>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.005206,15.634937,14.911638>,0.062425
<-1.607821,15.640157,14.375877>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.607821,15.640157,14.375877>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.881852,15.455918,14.382469>,0.176643
<-0.567267,15.503972,13.951430>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.567267,15.503972,13.951430>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.567267,15.503972,13.951430>,0.124887
<-1.919045,15.546564,13.795859>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.919045,15.546564,13.795859>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.919045,15.546564,13.795859>,0.088295
<-3.141494,15.584315,13.869235>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.141494,15.584315,13.869235>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.141494,15.584315,13.869235>,0.062425
<-4.213531,15.617776,14.125321>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.213531,15.617776,14.125321>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.141494,15.584315,13.869235>,0.062425
<-3.614000,15.597533,13.153591>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.614000,15.597533,13.153591>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.919045,15.546564,13.795859>,0.088295
<-2.297997,15.561477,12.921618>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.297997,15.561477,12.921618>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.297997,15.561477,12.921618>,0.062425
<-2.770504,15.574695,12.205974>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.770504,15.574695,12.205974>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.297997,15.561477,12.921618>,0.062425
<-1.900612,15.566697,12.385856>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.900612,15.566697,12.385856>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.567267,15.503972,13.951430>,0.124887
<-0.813248,15.520798,12.921695>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.813248,15.520798,12.921695>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.813248,15.520798,12.921695>,0.088295
<-1.192200,15.535710,12.047453>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.192200,15.535710,12.047453>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.192200,15.535710,12.047453>,0.062425
<-1.664707,15.548928,11.331809>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.664707,15.548928,11.331809>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.192200,15.535710,12.047453>,0.062425
<-0.794815,15.540930,11.511691>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.794815,15.540930,11.511691>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.813248,15.520798,12.921695>,0.088295
<-0.275047,15.526687,12.412121>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.275047,15.526687,12.412121>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.275047,15.526687,12.412121>,0.062425
<0.122338,15.531907,11.876360>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.122338,15.531907,11.876360>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.275047,15.526687,12.412121>,0.062425
<0.222248,15.528749,12.560041>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.222248,15.528749,12.560041>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.447841,15.318829,12.899777>,0.249849
<0.945359,15.373045,12.148537>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.945359,15.373045,12.148537>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<0.945359,15.373045,12.148537>,0.176643
<-0.503760,15.421099,11.717498>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.503760,15.421099,11.717498>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.503760,15.421099,11.717498>,0.124887
<-1.855538,15.463691,11.561927>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.855538,15.463691,11.561927>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.855538,15.463691,11.561927>,0.088295
<-3.077987,15.501442,11.635302>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.077987,15.501442,11.635302>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.077987,15.501442,11.635302>,0.062425
<-4.150024,15.534903,11.891389>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.150024,15.534903,11.891389>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.077987,15.501442,11.635302>,0.062425
<-3.550493,15.514660,10.919659>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.550493,15.514660,10.919659>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.855538,15.463691,11.561927>,0.088295
<-2.234490,15.478603,10.687684>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.234490,15.478603,10.687684>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.234490,15.478603,10.687684>,0.062425
<-2.706996,15.491821,9.972041>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.706996,15.491821,9.972041>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.234490,15.478603,10.687684>,0.062425
<-1.837105,15.483824,10.151923>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.837105,15.483824,10.151923>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.503760,15.421099,11.717498>,0.124887
<-0.749741,15.437923,10.687762>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.749741,15.437923,10.687762>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.749741,15.437923,10.687762>,0.088295
<-1.128693,15.452837,9.813519>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.128693,15.452837,9.813519>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.128693,15.452837,9.813519>,0.062425
<-1.601200,15.466054,9.097877>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.601200,15.466054,9.097877>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.128693,15.452837,9.813519>,0.062425
<-0.731308,15.458056,9.277759>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.731308,15.458056,9.277759>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.749741,15.437923,10.687762>,0.088295
<-0.211540,15.443813,10.178188>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.211540,15.443813,10.178188>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.211540,15.443813,10.178188>,0.062425
<0.185845,15.449033,9.642426>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.185845,15.449033,9.642426>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.211540,15.443813,10.178188>,0.062425
<0.285755,15.445874,10.326108>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.285755,15.445874,10.326108>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.945359,15.373045,12.148537>,0.176643
<0.874879,15.392028,10.974313>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.874879,15.392028,10.974313>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<0.874879,15.392028,10.974313>,0.124887
<0.628897,15.408853,9.944577>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.628897,15.408853,9.944577>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.628897,15.408853,9.944577>,0.088295
<0.249945,15.423766,9.070335>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.249945,15.423766,9.070335>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.249945,15.423766,9.070335>,0.062425
<-0.222561,15.436983,8.354692>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.222561,15.436983,8.354692>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.249945,15.423766,9.070335>,0.062425
<0.647330,15.428986,8.534574>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.647330,15.428986,8.534574>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.628897,15.408853,9.944577>,0.088295
<1.167098,15.414742,9.435003>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.167098,15.414742,9.435003>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.167098,15.414742,9.435003>,0.062425
<1.564483,15.419962,8.899242>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.564483,15.419962,8.899242>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.167098,15.414742,9.435003>,0.062425
<1.664393,15.416803,9.582924>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.664393,15.416803,9.582924>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.874879,15.392028,10.974313>,0.124887
<1.562113,15.398672,10.520563>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.562113,15.398672,10.520563>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<1.562113,15.398672,10.520563>,0.088295
<2.100314,15.404562,10.010990>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.100314,15.404562,10.010990>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.100314,15.404562,10.010990>,0.062425
<2.497699,15.409781,9.475228>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.497699,15.409781,9.475228>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.100314,15.404562,10.010990>,0.062425
<2.597609,15.406623,10.158910>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.597609,15.406623,10.158910>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.562113,15.398672,10.520563>,0.088295
<2.077728,15.400998,10.778371>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.077728,15.400998,10.778371>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.077728,15.400998,10.778371>,0.062425
<2.575023,15.403060,10.926291>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.575023,15.403060,10.926291>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.077728,15.400998,10.778371>,0.062425
<2.101906,15.401813,11.181182>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.101906,15.401813,11.181182>,0.044134
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, 35.847027, 71.694054>
look_at   <0, 35.847027,  0>
}
