// Firefox for engines.py: Debian's firefox-esr driven by puppeteer-core over WebDriver BiDi. It
// reads one command a line, as JSON [operation, ...arguments], and answers each with one line of
// JSON, {"value": ...} or {"error": "..."}; "log" answers what the page reported.
//   NODE_PATH=NODE_MODULES node firefox.mjs
import {createRequire} from 'node:module';
import readline from 'node:readline';

const puppeteer = createRequire(process.env.NODE_PATH + '/')('puppeteer-core');
const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: '/usr/bin/firefox-esr',
    headless: true,
    extraPrefsFirefox: {'browser.shell.checkDefaultBrowser': false},
});
const page = await browser.newPage();
const reported = [];
page.on('console', message => {
    if (['error', 'warn'].includes(message.type()))
        reported.push(message.text());
});
page.on('pageerror', error => reported.push(String(error)));

const operations = {
    open: url => page.goto(url).then(() => null),
    viewport: (width, height) => page.setViewport({width, height}),
    evaluate: expression => page.evaluate(expression),
    key: async (name, shift = false) => {
        if (shift)
            await page.keyboard.down('Shift');
        await page.keyboard.press(name);
        if (shift)
            await page.keyboard.up('Shift');
    },
    type: text => page.keyboard.type(text),
    click: (x, y) => page.mouse.click(x, y),
    screenshot: path => page.screenshot({path}).then(() => null),
    log: () => reported.splice(0),
    quit: () => browser.close(),
};

for await (const line of readline.createInterface({input: process.stdin})) {
    const [operation, ...args] = JSON.parse(line);
    try {
        const value = await operations[operation](...args);
        process.stdout.write(JSON.stringify({value: value ?? null}) + '\n');
    } catch (error) {
        process.stdout.write(JSON.stringify({error: String(error)}) + '\n');
    }
    if (operation === 'quit')
        break;
}
process.exit(0);
