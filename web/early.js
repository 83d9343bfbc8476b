// Before the program has arrived: the form scaled to fit the window from its first paint, and
// again whenever the window changes; and the clicks made meanwhile, kept for the program.
(() => {
    const root = document.documentElement;
    const form = {width: @FORM_WIDTH@, height: @FORM_HEIGHT@};
    // At most twice its size; below three quarters of it, on a screen held upright, it is too
    // small to read well, and the page asks to turn the phone.
    const largest = 2, comfortable = 0.75;
    const fit = () => {
        const scale = Math.min(innerWidth / form.width, innerHeight / form.height, largest);
        // Whole pixels for the frame, so that at a scale of 1 every picture lies pixel for pixel.
        const width = Math.floor(form.width * scale);
        root.style.setProperty("--scale", scale);
        root.style.setProperty("--width", width + "px");
        root.style.setProperty("--height", Math.floor(form.height * scale) + "px");
        root.style.setProperty("--left", Math.floor((innerWidth - width) / 2) + "px");
        root.toggleAttribute("data-turn", innerHeight > innerWidth && scale < comfortable);
    };
    fit();
    addEventListener("resize", fit);
    // A frame of another origin may be laid out before it learns its size, and then no resize
    // follows: its first size comes to this observer.
    new ResizeObserver(fit).observe(root);
    window.earlyClicks = [];
    addEventListener("click", event => window.earlyClicks && earlyClicks.push(event.target.id));
})();
