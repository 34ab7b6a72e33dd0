/* Waits until a pixel of the root window has a colour and prints how many milliseconds passed
 * since a given moment: how long a program took to show its first frame.
 * Usage: xwaitpixel <start, ns since the epoch> <x> <y> <RRGGBB> [timeout ms] */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static long long NowNs(void)
{
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return (long long)now.tv_sec * 1000000000LL + now.tv_nsec;
}

int main(int argc, char** argv)
{
    if (argc < 5) {
        fprintf(stderr, "usage: xwaitpixel <start ns> <x> <y> <RRGGBB> [timeout ms]\n");
        return 2;
    }
    const long long start = atoll(argv[1]);
    const int x = atoi(argv[2]), y = atoi(argv[3]);
    const unsigned long wanted = strtoul(argv[4], NULL, 16);
    const long long timeoutNs = (argc > 5 ? atoll(argv[5]) : 20000) * 1000000LL;
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "xwaitpixel: cannot open the display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    for (;;) {
        XImage* image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
        if (image) {
            const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
            XDestroyImage(image);
            if (pixel == wanted) {
                printf("%lld\n", (NowNs() - start) / 1000000LL);
                break;
            }
        }
        if (NowNs() - start > timeoutNs) {
            fprintf(stderr, "xwaitpixel: timed out\n");
            XCloseDisplay(display);
            return 1;
        }
        struct timespec pause = {0, 2000000};
        nanosleep(&pause, NULL);
    }
    XCloseDisplay(display);
    return 0;
}
