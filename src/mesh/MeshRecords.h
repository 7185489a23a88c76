#pragma once
// Records of the domain mesher's private store: nodes, edges and elements of
// the mesh of one domain while it is being built.

#include <vector>

// Refinement states of an element.
enum MeshElementState {
    ELEM_GIVEN_UP = 1,  // never picked again until a split or flip changes it
    ELEM_WAITING = 2,
    ELEM_FRONT = 3,     // waiting, with at least one closed side
    ELEM_ACCEPTED = 4,
};

// Target size of a node that nothing has set yet, and of a node that sets no
// limit (the free centre node of a closed curve).
constexpr double kMeshSizeUnset = 1e35;
constexpr double kMeshSizeUnlimited = 1e30;

struct T_MESHNODE_D {
    int id = 0;
    int feNodeId = 0;  // finite-element node it became at export; 0 before
    int valence = 0;   // edges meeting here; counted after refinement
    bool fixed = false;  // on a boundary curve: never moved, never swapped
    double size = kMeshSizeUnset;
    double x = 0.0;  // coordinates, normalised to the domain (see CMeshStore)
    double y = 0.0;
    std::vector<int> elements;  // elements using the node; rebuilt by SmoothMesh
};

struct T_MESHEDGE_D {
    int id = 0;
    bool constrained = false;  // lies on a boundary curve; never flipped
    int node1 = 0;
    int node2 = 0;
    int leftElement = 0;   // runs the edge from node1 to node2; 0 = none
    int rightElement = 0;
};

struct T_MESHELEM_D {
    int id = 0;
    int tag = 0;
    int state = ELEM_WAITING;
    double centreX = 0.0;  // circumcircle; radius 0 for collinear nodes
    double centreY = 0.0;
    double radius = 0.0;
    std::vector<int> nodes;       // counter-clockwise
    std::vector<int> edges;       // edges[i] joins nodes[i] and nodes[i + 1]
    std::vector<int> neighbours;  // element across edges[i]; 0 = none
};
