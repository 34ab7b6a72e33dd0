#pragma once
// The motion record every entity carries: velocities, the drives that push them, and the constants
// of friction, gravity and bounce. Velocities are level pixels per unit of the time step that
// Update receives; y points down.

class MPhysics {
public:
    // One physics tick (the classes call it from Think): friction and drive on velX, gravity on
    // velY, the drives decay, and falling / rightward speeds are held at 63 so that a box never
    // skips a whole 64-pixel cell in one move. Leftward and upward speeds are not limited.
    void Step();

    float spare0 = 1;        // carries no behaviour
    float driveX = 0;        // added to the horizontal retention in Step; zeroed by Step and by a wall
    float driveY = 0;        // decays by 0.8 per Step; zeroed by a floor or ceiling
    float velX = 0;
    float velY = 0;          // positive is down
    float friction = 0;      // fraction of velX lost per Step
    float gravity = 0.98f;   // added to velY per Step; also the landing threshold of the collision
    float bounce = 0;        // restitution on landing
    float spare1 = 0, spare2 = 0, spare3 = 0;   // carry no behaviour (a bullet sets the second and third)
};
